#include "tools/stroke_synth/pcm.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ritmora::strokes {

std::vector<std::int16_t> to_pcm(std::vector<double> signal, int fade_frames, double peak_dbfs) {
    const std::size_t frames = signal.size();
    const std::size_t fade = std::min(frames, static_cast<std::size_t>(std::max(0, fade_frames)));
    for (std::size_t k = 0; k < fade; ++k) {
        // k = 0 is the last sample, which ends at exactly 0.
        const double x = static_cast<double>(k) / static_cast<double>(fade);
        signal[frames - 1 - k] *= 0.5 - 0.5 * std::cos(std::numbers::pi * x);
    }
    double peak = 0.0;
    for (double v : signal) peak = std::max(peak, std::fabs(v));
    const double gain = peak > 0.0 ? 32767.0 * std::pow(10.0, peak_dbfs / 20.0) / peak : 0.0;
    std::vector<std::int16_t> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        // The default rounding mode rounds halves to even.
        const double v = std::clamp(std::nearbyint(signal[i] * gain), -32768.0, 32767.0);
        out[i] = static_cast<std::int16_t>(v);
    }
    return out;
}

}  // namespace ritmora::strokes
