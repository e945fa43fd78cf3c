#include "sound/plan_renderer.h"

#include <algorithm>
#include <limits>

#include "library/rounding.h"
#include "sound/replacing_file.h"
#include "sound/stroke_reader.h"
#include "sound/usul_renderer.h"
#include "sound/wav.h"

namespace ritmora {

namespace {

// The lowest metronome value a plan accepts; a ramp's rounded steps never go below it.
constexpr int kMinPlanBpm = 20;
// The largest composition a WAV header can describe: data size + 36 must fit 32 bits.
constexpr std::int64_t kMaxWavFrames =
    (static_cast<std::int64_t>(std::numeric_limits<std::uint32_t>::max()) - 36) / 2;

// Samples per sixty-fourth note at `bpm` with one beat = 1/`unit`; kept in single precision.
float SamplesPerUnit(int bpm, int unit) {
    return static_cast<float>(60.0 / bpm * unit / 64.0 * kSampleRate);
}

}  // namespace

std::vector<int> RampBpms(int introBpm, int finalBpm, int repeats) {
    std::vector<int> bpms;
    if (repeats < 1) repeats = 1;
    const auto step = RoundHalfEven(static_cast<double>(introBpm - finalBpm) / repeats);
    bpms.reserve(static_cast<std::size_t>(repeats) + 1);
    for (int r = 0; r <= repeats; ++r) {
        const std::int64_t bpm = introBpm - r * step;
        bpms.push_back(static_cast<int>(std::max<std::int64_t>(bpm, kMinPlanBpm)));
    }
    return bpms;
}

std::vector<std::int16_t> RenderPassageOnce(const UsulRecord& usul, int startBeat, int endBeat,
                                            int unit, int introBpm, int finalBpm,
                                            Instrument instrument,
                                            const std::filesystem::path& vlvlFolder,
                                            CachingStrokeReader& reader,
                                            std::vector<std::string>& notices) {
    if (introBpm <= 0 || finalBpm <= 0 || unit <= 0) return {};
    startBeat = std::max(startBeat, 1);
    endBeat = std::min(endBeat, kCellCount);
    std::int64_t units = 0;
    for (int i = startBeat; i <= endBeat; ++i) units += usul.Cell(i).Duration();

    const float introSpu = SamplesPerUnit(introBpm, unit);
    const float finalSpu = SamplesPerUnit(finalBpm, unit);
    // A stretch of at most one unit has no second unit to step towards: it keeps the intro pace.
    const float spuStep = units > 1
                              ? static_cast<float>((static_cast<double>(finalSpu) - introSpu) /
                                                   static_cast<double>(units - 1))
                              : 0.0f;
    const std::int64_t length = RoundHalfEven((static_cast<double>(finalSpu) + introSpu) / 2.0 *
                                              static_cast<double>(units));
    std::vector<std::int16_t> buffer(static_cast<std::size_t>(std::max<std::int64_t>(length, 0)),
                                     0);

    auto positionAfter = [&](std::int64_t elapsed) {
        const double e = static_cast<double>(elapsed);
        return RoundHalfEven(static_cast<double>(introSpu) * e) +
               RoundHalfEven(static_cast<double>(elapsed * (elapsed - 1)) / 2.0 *
                             static_cast<double>(spuStep)) +
               1;
    };
    auto read = [&](const std::string& name) {
        std::string notice = reader.ReadWav(vlvlFolder / name);
        if (!notice.empty()) notices.push_back(std::move(notice));
    };

    std::int64_t p = 1;
    std::int64_t elapsed = 0;
    for (int i = startBeat; i <= endBeat; ++i) {
        const StrokeCell& cell = usul.Cell(i);
        const int d = cell.rightDuration;
        const int t = cell.leftDuration;
        if (d > 0) {
            read(SampleFileName(instrument, true, cell.loudness));
            reader.Current().Overlay(buffer, p, StrokeKind::Düm);
            if (t == 0) {
                elapsed += d;
                p = positionAfter(elapsed);
            }
        }
        if (t > 0) {
            read(SampleFileName(instrument, false, cell.loudness));
            reader.Current().Overlay(buffer, p, StrokeKind::Tek);
            elapsed += t;
            p = positionAfter(elapsed);
        }
    }
    return buffer;
}

PlanRenderResult RenderPlan(const std::vector<PassageSpec>& passages, UsulLibrary& library,
                            Instrument instrument, const std::filesystem::path& vlvlFolder,
                            const std::filesystem::path& outputFile) {
    PlanRenderResult result;
    CachingStrokeReader reader;
    ReplacingFile out(outputFile);
    out.Write(WavHeaderBytes{});  // room for the header, written once the length is known
    std::int64_t total = 0;

    auto append = [&](const std::vector<std::int16_t>& buffer, int times) {
        for (int r = 0; r < times; ++r) out.WriteSamples(buffer);
        total += static_cast<std::int64_t>(buffer.size()) * times;
    };

    for (std::size_t j = 0; j < passages.size(); ++j) {
        const PassageSpec& passage = passages[j];
        UsulRecord usul;
        if (!library.ReadSlot(passage.usulSlot, usul) || usul.IsEmptySlot()) {
            // Nothing of this plan is written: playing the rest would misplace every passage.
            result.messageIndex = kNoBeatsMessage;
            result.failedPassage = static_cast<int>(j) + 1;
            out.Abandon();
            return result;
        }
        result.passageUsuls.push_back(passage.usulSlot);
        if (passage.repeats < 2 || passage.introBpm == passage.finalBpm) {
            const auto buffer = RenderPassageOnce(usul, passage.startBeat, passage.endBeat,
                                                  passage.unit, passage.introBpm, passage.finalBpm,
                                                  instrument, vlvlFolder, reader, result.notices);
            append(buffer, std::max(passage.repeats, 1));
        } else {
            // The tempo change is spread over the repetitions, one whole-BpM step each.
            const std::vector<int> bpms =
                RampBpms(passage.introBpm, passage.finalBpm, passage.repeats);
            for (int r = 1; r <= passage.repeats; ++r) {
                const auto buffer = RenderPassageOnce(
                    usul, passage.startBeat, passage.endBeat, passage.unit,
                    bpms[static_cast<std::size_t>(r - 1)], bpms[static_cast<std::size_t>(r)],
                    instrument, vlvlFolder, reader, result.notices);
                append(buffer, 1);
            }
        }
        result.passageEndMs.push_back(
            static_cast<int>(RoundHalfEven(static_cast<double>(total) / 44.1)));
    }

    if (total > kMaxWavFrames) {
        result.writeError = "the composition is too long for one WAV file";
        out.Abandon();
        return result;
    }
    WavHeader header;
    MakeWavHeader(header, static_cast<std::int32_t>(total), 1, kSampleRate, 16);
    out.WriteAt(0, EncodeWavHeader(header));
    const RenderedWavCommit commit = CommitRenderedWav(out);
    result.written = commit.written;
    result.playDurationMs = commit.playDurationMs;
    result.writeError = commit.error;
    return result;
}

}  // namespace ritmora
