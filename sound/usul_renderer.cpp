#include "sound/usul_renderer.h"

#include <system_error>

#include "app/texts.h"
#include "library/rounding.h"
#include "sound/render_output.h"
#include "sound/replacing_file.h"
#include "sound/streaming_mix.h"
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

// The timing of one cycle, shared by the estimate and the rendering so both agree to the sample.
struct CycleTiming {
    RenderEstimate estimate;
    int total = 0;  // sixty-fourth notes of the cycle
    std::int64_t cycleMs = 0;
    std::int64_t cycleSamples = 0;
    int cycles = 1;
};

CycleTiming TimeCycle(const std::vector<Stroke>& strokes, const UsulRenderOptions& options) {
    CycleTiming timing;
    for (const Stroke& stroke : strokes) timing.total += stroke.duration;
    // The total is counted from the cells, never taken from a possibly stale stored field, so
    // an usul without strokes can never reach a division by zero.
    if (timing.total == 0 || options.bpm <= 0 || options.unitNote <= 0) {
        timing.estimate.messageIndex = kNoBeatsMessage;
        return timing;
    }
    const double cycleMs =
        RoundHalfEvenToDouble(60000.0 / options.bpm * options.unitNote / 64.0 * timing.total);
    const double cycleSamples = RoundHalfEvenToDouble(cycleMs / 1000.0 * kSampleRate);
    if (!(cycleSamples <= static_cast<double>(kMaxRenderSamples))) {
        timing.estimate.messageIndex = kRenderTooLongMessage;
        timing.estimate.samples = kMaxRenderSamples + 1;
        return timing;
    }
    timing.cycleMs = static_cast<std::int64_t>(cycleMs);
    timing.cycleSamples = static_cast<std::int64_t>(cycleSamples);
    // A looped cycle repeats only while two fit into five minutes: never past the limit.
    timing.cycles = options.looped ? LoopCycles(timing.cycleSamples) : 1;
    timing.estimate.samples = timing.cycleSamples * timing.cycles;
    return timing;
}

}  // namespace

int LoopCycles(std::int64_t cycleSamples) {
    const std::int64_t cycleMs = RoundHalfEven(static_cast<double>(cycleSamples) / 44.1);
    if (cycleMs <= 0) return 1;
    const std::int64_t cycles = kLoopMs / cycleMs;
    return cycles >= 2 ? static_cast<int>(cycles) : 1;
}

RenderEstimate ExpectedUsulLength(const UsulRecord& usul, const UsulRenderOptions& options) {
    return TimeCycle(ListStrokes(usul), options).estimate;
}

UsulRenderResult RenderUsul(const UsulRecord& usul, const UsulRenderOptions& options,
                            const std::filesystem::path& vlvlFolder,
                            const std::filesystem::path& outputFile, const RenderControl& control) {
    UsulRenderResult result;
    const std::vector<Stroke> strokes = ListStrokes(usul);
    const CycleTiming timing = TimeCycle(strokes, options);
    if (!timing.estimate.ok()) {
        result.messageIndex = timing.estimate.messageIndex;
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
    schedule.cycleMs = static_cast<int>(timing.cycleMs);
    figures.cycleSamples = timing.cycleSamples;
    figures.samplesPerUnit =
        RoundHalfEven(static_cast<double>(figures.cycleSamples) / timing.total);
    figures.msPerUnit = static_cast<float>(static_cast<double>(schedule.cycleMs) / timing.total);
    std::int64_t endMs = 0;
    for (const Stroke& stroke : strokes) {
        endMs = RoundHalfEven(static_cast<double>(endMs) +
                              stroke.duration * static_cast<double>(figures.msPerUnit));
        schedule.strokeEndMs.push_back(static_cast<int>(endMs));
    }

    figures.cycles = timing.cycles;
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

    CachingStrokeReader reader;
    auto read = [&](const std::string& name) {
        std::string notice = reader.ReadWav(vlvlFolder / name);
        if (!notice.empty()) result.notices.push_back(std::move(notice));
    };
    // The kudüm Düm file tells the channel count of the bank.
    read(SampleFileName(Instrument::Kudum, true, 3));
    const std::int16_t channels = reader.Current().CurrentWavHeader().channels;

    const std::int64_t s = figures.samplesPerUnit;
    auto mixCycle = [&](StreamingMix& mix) {
        std::int64_t p = 1;
        for (int i = 1; i <= kCellCount; ++i) {
            const StrokeCell& cell = usul.Cell(i);
            const int d = cell.rightDuration;
            const int t = cell.leftDuration;
            if (d != 0) {
                read(SampleFileName(options.instrument, true, cell.loudness));
                if (!mix.Overlay(reader.Current(), p, StrokeKind::Düm)) return;
                if (t == 0) p += s * d + 1;
            }
            if (t > 0) {
                read(SampleFileName(options.instrument, false, cell.loudness));
                if (!mix.Overlay(reader.Current(), p, StrokeKind::Tek)) return;
                p += s * t + 1;
            }
        }
        mix.Finish();
    };

    WavHeader header;
    MakeWavHeader(header, static_cast<std::int32_t>(timing.estimate.samples), channels, kSampleRate,
                  16);
    ReplacingFile out(outputFile);
    out.Write(EncodeWavHeader(header));
    RenderOutput output(out, timing.estimate.samples, control);
    if (cycles > 1) {
        // A looped cycle is mixed once and written again for every repetition.
        const std::vector<std::int16_t> cycle = MixWhole(figures.cycleSamples, mixCycle);
        for (int r = 0; r < cycles; ++r) {
            if (!output.Append(cycle)) break;
        }
    } else {
        StreamingMix mix(figures.cycleSamples, [&output](std::span<const std::int16_t> samples) {
            return output.Append(samples);
        });
        mixCycle(mix);
    }
    if (output.Cancelled()) {
        out.Abandon();
        result.messageIndex = kRenderCancelledMessage;
        return result;
    }
    const RenderedWavCommit commit = CommitRenderedWav(out);
    result.written = commit.written;
    schedule.playDurationMs = commit.playDurationMs;
    result.writeError = commit.error;
    return result;
}

}  // namespace ritmora
