// From the rendered signal to the 16-bit samples of the file.
#pragma once

#include <cstdint>
#include <vector>

namespace ritmora::strokes {

// Fades the last `fade_frames` out (raised cosine, so the end does not click), scales the peak to
// `peak_dbfs` and rounds to 16 bits (halves to even).
std::vector<std::int16_t> to_pcm(std::vector<double> signal, int fade_frames, double peak_dbfs);

}  // namespace ritmora::strokes
