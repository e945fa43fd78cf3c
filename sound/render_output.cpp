#include "sound/render_output.h"

#include <algorithm>

namespace ritmora {

RenderOutput::RenderOutput(ReplacingFile& file, std::int64_t totalSamples,
                           const RenderControl& control)
    : file_(file), total_(totalSamples), control_(control) {}

bool RenderOutput::Continue() {
    if (control_.stop.stop_requested()) cancelled_ = true;
    return !cancelled_ && file_.ok();
}

bool RenderOutput::Append(std::span<const std::int16_t> samples) {
    while (!samples.empty()) {
        if (!Continue()) return false;
        const std::size_t count =
            std::min(samples.size(), static_cast<std::size_t>(kRenderChunkSamples));
        file_.WriteSamples(samples.first(count));
        samples = samples.subspan(count);
        written_ += static_cast<std::int64_t>(count);
        if (control_.progress && total_ > 0) {
            control_.progress(static_cast<double>(written_) / static_cast<double>(total_));
        }
    }
    return Continue();
}

}  // namespace ritmora
