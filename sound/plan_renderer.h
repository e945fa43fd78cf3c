#pragma once
// Rendering a work plan: every passage from its usul record, with its repeats and its tempo
// ramp, one after another into one WAV file, and where each passage ends.
#include <filesystem>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "library/usul_record.h"
#include "plans/passage.h"
#include "sound/render_limits.h"
#include "sound/sample_bank.h"
#include "sound/stroke_reader.h"

namespace ritmora {

struct PlanRenderResult {
    // 0, or why nothing was written: 3 a passage's usul slot is empty (failedPassage),
    // kRenderTooLongMessage (refused before anything was written), kRenderCancelledMessage
    // (the previous file stays as it was).
    int messageIndex = 0;
    int failedPassage = 0;             // 1-based passage that stopped the rendering, 0 if none
    std::vector<std::string> notices;  // sample file notices, in the order they arose
    std::vector<int> passageEndMs;     // per passage, from the start of the composition
    std::vector<int> passageUsuls;
    double playDurationMs = 0;
    bool written = false;
    std::string writeError;
};

// The length RenderPlan will write, the sum of every passage and every repetition of a ramp, or
// why it renders nothing (an empty usul slot; longer than kMaxRenderSamples). Reads each
// passage's usul record; mixes nothing.
RenderEstimate ExpectedPlanLength(const std::vector<PassageSpec>& passages, UsulLibrary& library);

// Passages are mixed in order and handed to the file as they are made, so memory holds a chunk
// of audio, or one passage of at most 150 seconds whose repetitions are copies. `outputFile` is
// replaced whole once every passage is written; when the plan is refused or cancelled it is
// left as it was. `control` may stop it and hears of its progress.
PlanRenderResult RenderPlan(const std::vector<PassageSpec>& passages, UsulLibrary& library,
                            Instrument instrument, const std::filesystem::path& vlvlFolder,
                            const std::filesystem::path& outputFile,
                            const RenderControl& control = {});

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
// RampBpm(..., r - 1) to RampBpm(..., r). The step is round((intro - final) / repeats) whole
// BpM, so the last value equals `finalBpm` only when the difference divides evenly; a value
// never falls below 1. RampBpms lists them all, r = 0..repeats.
int RampBpm(int introBpm, int finalBpm, int repeats, int r);
std::vector<int> RampBpms(int introBpm, int finalBpm, int repeats);

}  // namespace ritmora
