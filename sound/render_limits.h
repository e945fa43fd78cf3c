#pragma once
// What every rendering shares: the longest audio we render, the caller's progress callback and
// cancel request, and the length a rendering will have, known before anything is mixed.
#include <cstdint>
#include <functional>
#include <limits>
#include <stop_token>

#include "sound/wav.h"

namespace ritmora {

// Two hours of audio: far beyond any practice plan, small enough that a typo asking for days of
// sound is refused at once instead of filling the disk.
inline constexpr std::int64_t kMaxRenderSeconds = 2 * 60 * 60;
inline constexpr std::int64_t kMaxRenderSamples = kMaxRenderSeconds * kSampleRate;
// One WAV file's data size is a 32-bit count (plus 36 in the RIFF size); the limit stays below
// it even when the header claims two channels.
static_assert(kMaxRenderSamples * 4 + 36 <= std::numeric_limits<std::uint32_t>::max());

// Samples handed to the file between two looks at the cancel request and two progress reports.
inline constexpr std::int64_t kRenderChunkSamples = std::int64_t{1} << 18;

struct RenderControl {
    // A stop request ends the rendering at the next chunk, passage or repetition: nothing is
    // written and the previous file stays as it was.
    std::stop_token stop;
    // Called with the fraction of the samples written so far (0..1), on the rendering's thread.
    std::function<void(double)> progress;
};

// The length of a rendering, worked out from the same formulas the mixing uses, without mixing.
struct RenderEstimate {
    int messageIndex = 0;   // 0, kNoBeatsMessage, or kRenderTooLongMessage (app/texts.h)
    int failedPassage = 0;  // a plan's 1-based passage with an empty usul slot
    // Frames of audio the file will hold; for a refused length, a count above the limit.
    std::int64_t samples = 0;

    bool ok() const { return messageIndex == 0; }
    double Ms() const { return static_cast<double>(samples) / (kSampleRate / 1000.0); }
};

}  // namespace ritmora
