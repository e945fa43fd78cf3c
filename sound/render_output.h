#pragma once
// The sample stream of one rendering on its way into the file: written in chunks, and stopped at
// the first failed write or at the caller's cancel request, with the progress reported between
// chunks.
#include <cstdint>
#include <span>

#include "sound/render_limits.h"
#include "sound/replacing_file.h"

namespace ritmora {

class RenderOutput {
  public:
    // `totalSamples` is the length the rendering was estimated at (the progress's whole).
    RenderOutput(ReplacingFile& file, std::int64_t totalSamples, const RenderControl& control);

    // Appends samples; false once the rendering must stop (a failed write or a cancel request).
    bool Append(std::span<const std::int16_t> samples);
    // Looks at the cancel request between passages and repetitions; false once stopped.
    bool Continue();

    bool Cancelled() const { return cancelled_; }

  private:
    ReplacingFile& file_;
    std::int64_t total_;
    const RenderControl& control_;
    std::int64_t written_ = 0;
    bool cancelled_ = false;
};

}  // namespace ritmora
