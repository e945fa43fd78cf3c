#include "sound/usul_renderer.h"

#include <system_error>

#include "library/rounding.h"
#include "sound/replacing_file.h"
#include "sound/stroke_reader.h"
#include "sound/wav.h"

namespace ritmora {

namespace {

constexpr int kRingsPerRow = 45;
constexpr int kLoopMs = 300000;  // a looped usul fills five minutes

struct Stroke {
    int duration;
    int cell;  // 1-based
};

std::vector<Stroke> ListStrokes(const UsulRecord& usul) {
    std::vector<Stroke> strokes;
    for (int i = 1; i <= kCellCount; ++i) {
        const StrokeCell& cell = usul.Cell(i);
        if (cell.rightDuration != 0) {
            strokes.push_back({cell.rightDuration, i});
        } else if (cell.leftDuration != 0) {
            strokes.push_back({cell.leftDuration, i});
        }
    }
    return strokes;
}

}  // namespace

int LoopCycles(std::int64_t cycleSamples) {
    const std::int64_t cycleMs = RoundHalfEven(static_cast<double>(cycleSamples) / 44.1);
    if (cycleMs <= 0) return 1;
    const std::int64_t cycles = kLoopMs / cycleMs;
    return cycles >= 2 ? static_cast<int>(cycles) : 1;
}

UsulRenderResult RenderUsul(const UsulRecord& usul, const UsulRenderOptions& options,
                            const std::filesystem::path& vlvlFolder,
                            const std::filesystem::path& outputFile) {
    UsulRenderResult result;
    const std::vector<Stroke> strokes = ListStrokes(usul);
    int total = 0;
    for (const Stroke& stroke : strokes) total += stroke.duration;
    // The total is counted from the cells, never taken from a possibly stale stored field, so
    // an usul without strokes can never reach a division by zero below.
    if (total == 0 || options.bpm <= 0 || options.unitNote <= 0) {
        result.messageIndex = kNoBeatsMessage;
        return result;
    }

    UsulSchedule& schedule = result.schedule;
    const int n = static_cast<int>(strokes.size());
    for (const Stroke& stroke : strokes) {
        const int row = (stroke.cell - 1) / kRingsPerRow + 1;
        schedule.markerX.push_back(20 * stroke.cell + 20 - 900 * (row - 1));
        schedule.markerRow.push_back(row);
    }

    UsulRenderFigures& figures = result.figures;
    schedule.cycleMs =
        static_cast<int>(RoundHalfEven(60000.0 / options.bpm * options.unitNote / 64.0 * total));
    figures.cycleSamples = RoundHalfEven(schedule.cycleMs / 1000.0 * kSampleRate);
    figures.samplesPerUnit = RoundHalfEven(static_cast<double>(figures.cycleSamples) / total);
    figures.msPerUnit = static_cast<float>(static_cast<double>(schedule.cycleMs) / total);
    std::int64_t endMs = 0;
    for (const Stroke& stroke : strokes) {
        endMs = RoundHalfEven(static_cast<double>(endMs) +
                              stroke.duration * static_cast<double>(figures.msPerUnit));
        schedule.strokeEndMs.push_back(static_cast<int>(endMs));
    }

    CachingStrokeReader reader;
    auto read = [&](const std::string& name) {
        std::string notice = reader.ReadWav(vlvlFolder / name);
        if (!notice.empty()) result.notices.push_back(std::move(notice));
    };
    // The kudüm Düm file tells the channel count of the bank.
    read(SampleFileName(Instrument::Kudum, true, 3));
    const std::int16_t channels = reader.Current().CurrentWavHeader().channels;

    std::vector<std::int16_t> cycle(static_cast<std::size_t>(figures.cycleSamples), 0);
    const std::int64_t s = figures.samplesPerUnit;
    std::int64_t p = 1;
    for (int i = 1; i <= kCellCount; ++i) {
        const StrokeCell& cell = usul.Cell(i);
        const int d = cell.rightDuration;
        const int t = cell.leftDuration;
        if (d != 0) {
            read(SampleFileName(options.instrument, true, cell.loudness));
            reader.Current().Overlay(cycle, p, StrokeKind::Düm);
            if (t == 0) p += s * d + 1;
        }
        if (t > 0) {
            read(SampleFileName(options.instrument, false, cell.loudness));
            reader.Current().Overlay(cycle, p, StrokeKind::Tek);
            p += s * t + 1;
        }
    }

    figures.cycles = options.looped ? LoopCycles(figures.cycleSamples) : 1;
    const int cycles = figures.cycles;
    schedule.strokeCount = n * cycles;
    for (int r = 1; r < cycles; ++r) {
        for (int k = 0; k < n; ++k) {
            schedule.markerX.push_back(schedule.markerX[static_cast<std::size_t>(k)]);
            schedule.markerRow.push_back(schedule.markerRow[static_cast<std::size_t>(k)]);
            schedule.strokeEndMs.push_back(schedule.strokeEndMs[static_cast<std::size_t>(k)] +
                                           schedule.cycleMs * r);
        }
    }

    WavHeader header;
    MakeWavHeader(header, static_cast<std::int32_t>(figures.cycleSamples * cycles), channels,
                  kSampleRate, 16);
    ReplacingFile out(outputFile);
    out.Write(EncodeWavHeader(header));
    for (int r = 0; r < cycles; ++r) out.WriteSamples(cycle);
    const RenderedWavCommit commit = CommitRenderedWav(out);
    result.written = commit.written;
    schedule.playDurationMs = commit.playDurationMs;
    result.writeError = commit.error;
    return result;
}

}  // namespace ritmora
