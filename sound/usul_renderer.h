#pragma once
// Rendering one usul cycle (once, or looped to fill five minutes) into a WAV file, with the
// schedule of the beat marker: what the editor's start button computes, without the window.
#include <filesystem>
#include <string>
#include <vector>

#include "library/usul_record.h"
#include "sound/render_limits.h"
#include "sound/sample_bank.h"

namespace ritmora {

struct UsulRenderOptions {
    int bpm = 150;     // metronome value, above 0
    int unitNote = 8;  // 4, 8 or 16: the note value of one beat
    Instrument instrument = Instrument::Kudum;
    bool looped = false;
};

// Stroke k (1-based in meaning) is element k - 1 of each vector.
struct UsulSchedule {
    int strokeCount = 0;
    std::vector<int> markerX;      // centre of the stroke's beat ring on the notation picture
    std::vector<int> markerRow;    // 1..4; the ring's centre is at y = row x 150 - 75
    std::vector<int> strokeEndMs;  // when the stroke ends and the next begins, from the start
    int cycleMs = 0;
    double playDurationMs = 0;
};

struct UsulRenderFigures {
    std::int64_t cycleSamples = 0;    // N
    std::int64_t samplesPerUnit = 0;  // S
    float msPerUnit = 0;
    int cycles = 1;  // R (1 unless looped and at least two cycles fit)
};

struct UsulRenderResult {
    // 0, or why nothing was written: 3 no beats, kRenderTooLongMessage (refused before
    // anything was written), kRenderCancelledMessage (the previous file stays as it was).
    int messageIndex = 0;
    std::vector<std::string> notices;  // sample file notices, in the order they arose
    bool written = false;
    std::string writeError;
    UsulSchedule schedule;
    UsulRenderFigures figures;
};

// The length RenderUsul will write (all cycles), or why it renders nothing (no beats; longer
// than kMaxRenderSamples, a single cycle included). Cheap: nothing is read or mixed.
RenderEstimate ExpectedUsulLength(const UsulRecord& usul, const UsulRenderOptions& options);

// Mixes the cycle from the sample files in `vlvlFolder` and writes it to `outputFile` (replaced
// whole; on a failed write the old file is gone too, so it cannot be played by mistake).
// The same inputs and sample files always give the same bytes. Memory holds a chunk of the
// cycle, or the whole cycle when it is looped (at most 150 seconds then). `control` may stop it
// and hears of its progress.
UsulRenderResult RenderUsul(const UsulRecord& usul, const UsulRenderOptions& options,
                            const std::filesystem::path& vlvlFolder,
                            const std::filesystem::path& outputFile,
                            const RenderControl& control = {});

// Cycles of a looped rendering: as many whole cycles of `cycleSamples` as fit into five
// minutes, at least 1.
int LoopCycles(std::int64_t cycleSamples);

}  // namespace ritmora
