#pragma once
// Rendering a work plan: every passage from its usul record, with its repeats and its tempo
// ramp, one after another into one WAV file, and where each passage ends.
#include <filesystem>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "library/usul_record.h"
#include "plans/passage.h"
#include "sound/sample_bank.h"
#include "sound/stroke_reader.h"

namespace ritmora {

struct PlanRenderResult {
    int messageIndex = 0;              // 3 when a passage's usul slot is empty: nothing is written
    int failedPassage = 0;             // 1-based passage that stopped the rendering, 0 if none
    std::vector<std::string> notices;  // sample file notices, in the order they arose
    std::vector<int> passageEndMs;     // per passage, from the start of the composition
    std::vector<int> passageUsuls;
    double playDurationMs = 0;
    bool written = false;
    std::string writeError;
};

// Passages are mixed one at a time and appended to the file as they are made, so memory never
// holds more than one passage (one repetition of a ramped one). `outputFile` is replaced whole
// once every passage is written; when a slot is empty it is left as it was.
PlanRenderResult RenderPlan(const std::vector<PassageSpec>& passages, UsulLibrary& library,
                            Instrument instrument, const std::filesystem::path& vlvlFolder,
                            const std::filesystem::path& outputFile);

// One rendering of a beat-ring stretch of `usul` at `unit` with the tempo going from
// `introBpm` to `finalBpm` (linear in beat length), mixed from the files in `vlvlFolder`;
// `reader` carries the current sample from stroke to stroke. Exposed for tests and benchmarks.
std::vector<std::int16_t> RenderPassageOnce(const UsulRecord& usul, int startBeat, int endBeat,
                                            int unit, int introBpm, int finalBpm,
                                            Instrument instrument,
                                            const std::filesystem::path& vlvlFolder,
                                            CachingStrokeReader& reader,
                                            std::vector<std::string>& notices);

// The metronome values of the repetitions of a ramped passage: repetition r (1-based) runs from
// element r - 1 to element r. The step is round((intro - final) / repeats) whole BpM, so the
// last value equals `finalBpm` only when the difference divides evenly.
std::vector<int> RampBpms(int introBpm, int finalBpm, int repeats);

}  // namespace ritmora
