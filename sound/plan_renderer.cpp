#include "sound/plan_renderer.h"

#include <algorithm>

#include "app/texts.h"
#include "library/rounding.h"
#include "sound/render_output.h"
#include "sound/replacing_file.h"
#include "sound/streaming_mix.h"
#include "sound/usul_renderer.h"
#include "sound/wav.h"

namespace ritmora {

namespace {

// A ramp's rounded steps may carry it below the plan's lowest metronome value; it only must not
// reach 0, where a beat would have no length.
constexpr int kMinRampBpm = 1;
// The repetitions of an unchanging passage up to this length are copies of one mixing held in
// memory (as long as the longest looped usul cycle); a longer passage is mixed again for each
// repetition, which gives the same samples without holding it whole.
constexpr std::int64_t kCopiedPassageSamples = 150 * std::int64_t{kSampleRate};

// Samples per sixty-fourth note at `bpm` with one beat = 1/`unit`; kept in single precision.
float SamplesPerUnit(int bpm, int unit) {
    return static_cast<float>(60.0 / bpm * unit / 64.0 * kSampleRate);
}

struct BeatStretch {
    int first = 1;
    int last = 0;
    std::int64_t units = 0;  // sixty-fourth notes from `first` to `last`
};

BeatStretch StretchOf(const UsulRecord& usul, int startBeat, int endBeat) {
    BeatStretch stretch{std::max(startBeat, 1), std::min(endBeat, kCellCount), 0};
    for (int i = stretch.first; i <= stretch.last; ++i) stretch.units += usul.Cell(i).Duration();
    return stretch;
}

// The tempo of one rendering of a stretch: unit k (from 0) lasts introSpu + k x spuStep
// samples. Shared by the estimate and the mixing, so the two agree to the sample.
struct PassageTiming {
    bool playable = false;  // a metronome value or unit of 0 or below renders nothing
    float introSpu = 0;
    float spuStep = 0;
    std::int64_t length = 0;

    std::int64_t PositionAfter(std::int64_t elapsed) const {
        const double e = static_cast<double>(elapsed);
        return RoundHalfEven(static_cast<double>(introSpu) * e) +
               RoundHalfEven(static_cast<double>(elapsed * (elapsed - 1)) / 2.0 *
                             static_cast<double>(spuStep)) +
               1;
    }
};

PassageTiming TimePassage(std::int64_t units, int unit, int introBpm, int finalBpm) {
    PassageTiming timing;
    if (introBpm <= 0 || finalBpm <= 0 || unit <= 0) return timing;
    timing.playable = true;
    timing.introSpu = SamplesPerUnit(introBpm, unit);
    const float finalSpu = SamplesPerUnit(finalBpm, unit);
    // A stretch of at most one unit has no second unit to step towards: it keeps the intro pace.
    timing.spuStep = units > 1
                         ? static_cast<float>((static_cast<double>(finalSpu) - timing.introSpu) /
                                              static_cast<double>(units - 1))
                         : 0.0f;
    timing.length =
        std::max<std::int64_t>(RoundHalfEven((static_cast<double>(finalSpu) + timing.introSpu) /
                                             2.0 * static_cast<double>(units)),
                               0);
    return timing;
}

bool IsRamped(const PassageSpec& passage) {
    return passage.repeats >= 2 && passage.introBpm != passage.finalBpm;
}

// Lays the strokes of `stretch` into `mix` at the tempo of `timing`.
void MixStretch(StreamingMix& mix, const UsulRecord& usul, const BeatStretch& stretch,
                const PassageTiming& timing, Instrument instrument,
                const std::filesystem::path& vlvlFolder, CachingStrokeReader& reader,
                std::vector<std::string>& notices) {
    if (!timing.playable) return;
    auto read = [&](const std::string& name) {
        std::string notice = reader.ReadWav(vlvlFolder / name);
        if (!notice.empty()) notices.push_back(std::move(notice));
    };
    std::int64_t p = 1;
    std::int64_t elapsed = 0;
    for (int i = stretch.first; i <= stretch.last; ++i) {
        const StrokeCell& cell = usul.Cell(i);
        const int d = cell.rightDuration;
        const int t = cell.leftDuration;
        if (d > 0) {
            read(SampleFileName(instrument, true, cell.loudness));
            if (!mix.Overlay(reader.Current(), p, StrokeKind::Düm)) return;
            if (t == 0) {
                elapsed += d;
                p = timing.PositionAfter(elapsed);
            }
        }
        if (t > 0) {
            read(SampleFileName(instrument, false, cell.loudness));
            if (!mix.Overlay(reader.Current(), p, StrokeKind::Tek)) return;
            elapsed += t;
            p = timing.PositionAfter(elapsed);
        }
    }
    mix.Finish();
}

}  // namespace

int RampBpm(int introBpm, int finalBpm, int repeats, int r) {
    if (repeats < 1) repeats = 1;
    const auto step = RoundHalfEven(static_cast<double>(introBpm - finalBpm) / repeats);
    return static_cast<int>(std::max<std::int64_t>(introBpm - r * step, kMinRampBpm));
}

std::vector<int> RampBpms(int introBpm, int finalBpm, int repeats) {
    std::vector<int> bpms;
    for (int r = 0; r <= std::max(repeats, 1); ++r) {
        bpms.push_back(RampBpm(introBpm, finalBpm, repeats, r));
    }
    return bpms;
}

std::vector<std::int16_t> RenderPassageOnce(const UsulRecord& usul, int startBeat, int endBeat,
                                            int unit, int introBpm, int finalBpm,
                                            Instrument instrument,
                                            const std::filesystem::path& vlvlFolder,
                                            CachingStrokeReader& reader,
                                            std::vector<std::string>& notices) {
    const BeatStretch stretch = StretchOf(usul, startBeat, endBeat);
    const PassageTiming timing = TimePassage(stretch.units, unit, introBpm, finalBpm);
    return MixWhole(timing.length, [&](StreamingMix& mix) {
        MixStretch(mix, usul, stretch, timing, instrument, vlvlFolder, reader, notices);
    });
}

RenderEstimate ExpectedPlanLength(const std::vector<PassageSpec>& passages, UsulLibrary& library) {
    RenderEstimate estimate;
    auto tooLong = [&estimate] {
        estimate.messageIndex = kRenderTooLongMessage;
        estimate.samples = kMaxRenderSamples + 1;
        return estimate;
    };
    for (std::size_t j = 0; j < passages.size(); ++j) {
        const PassageSpec& passage = passages[j];
        UsulRecord usul;
        if (!library.ReadSlot(passage.usulSlot, usul) || usul.IsEmptySlot()) {
            estimate.messageIndex = kNoBeatsMessage;
            estimate.failedPassage = static_cast<int>(j) + 1;
            return estimate;
        }
        const std::int64_t units = StretchOf(usul, passage.startBeat, passage.endBeat).units;
        if (units == 0) continue;  // nothing to hear, however often it is repeated
        const std::int64_t room = kMaxRenderSamples - estimate.samples;
        if (!IsRamped(passage)) {
            const std::int64_t length =
                TimePassage(units, passage.unit, passage.introBpm, passage.finalBpm).length;
            const std::int64_t times = std::max(passage.repeats, 1);
            if (length > 0 && times > room / length) return tooLong();
            estimate.samples += length * times;
            continue;
        }
        for (int r = 1; r <= passage.repeats; ++r) {
            const int from = RampBpm(passage.introBpm, passage.finalBpm, passage.repeats, r - 1);
            const int to = RampBpm(passage.introBpm, passage.finalBpm, passage.repeats, r);
            estimate.samples += TimePassage(units, passage.unit, from, to).length;
            if (estimate.samples > kMaxRenderSamples) return tooLong();
        }
    }
    return estimate;
}

PlanRenderResult RenderPlan(const std::vector<PassageSpec>& passages, UsulLibrary& library,
                            Instrument instrument, const std::filesystem::path& vlvlFolder,
                            const std::filesystem::path& outputFile, const RenderControl& control) {
    PlanRenderResult result;
    const RenderEstimate estimate = ExpectedPlanLength(passages, library);
    if (!estimate.ok()) {
        // Nothing of this plan is written: playing the rest would misplace every passage.
        result.messageIndex = estimate.messageIndex;
        result.failedPassage = estimate.failedPassage;
        return result;
    }

    CachingStrokeReader reader;
    ReplacingFile out(outputFile);
    WavHeader header;
    MakeWavHeader(header, static_cast<std::int32_t>(estimate.samples), 1, kSampleRate, 16);
    out.Write(EncodeWavHeader(header));
    RenderOutput output(out, estimate.samples, control);
    auto toOutput = [&output](std::span<const std::int16_t> samples) {
        return output.Append(samples);
    };
    std::int64_t total = 0;

    for (std::size_t j = 0; j < passages.size() && output.Continue(); ++j) {
        const PassageSpec& passage = passages[j];
        UsulRecord usul;
        if (!library.ReadSlot(passage.usulSlot, usul) || usul.IsEmptySlot()) {
            // The library changed since the estimate.
            result.messageIndex = kNoBeatsMessage;
            result.failedPassage = static_cast<int>(j) + 1;
            out.Abandon();
            return result;
        }
        result.passageUsuls.push_back(passage.usulSlot);
        const BeatStretch stretch = StretchOf(usul, passage.startBeat, passage.endBeat);
        auto mixOnce = [&](StreamingMix& mix, const PassageTiming& timing,
                           std::vector<std::string>& notices) {
            MixStretch(mix, usul, stretch, timing, instrument, vlvlFolder, reader, notices);
        };
        if (stretch.units == 0) {
            // Nothing to hear and no sample to read, however often it is repeated.
        } else if (!IsRamped(passage)) {
            const PassageTiming timing =
                TimePassage(stretch.units, passage.unit, passage.introBpm, passage.finalBpm);
            const int times = std::max(passage.repeats, 1);
            if (times > 1 && timing.length <= kCopiedPassageSamples) {
                const std::vector<std::int16_t> copy =
                    MixWhole(timing.length,
                             [&](StreamingMix& mix) { mixOnce(mix, timing, result.notices); });
                for (int r = 0; r < times; ++r) {
                    if (!output.Append(copy)) break;
                }
            } else {
                // Every repetition starts from the same current sample, as a copy would.
                const WavReader start = reader.Current();
                std::vector<std::string> again;
                for (int r = 0; r < times && output.Continue(); ++r) {
                    reader.Restore(start);
                    StreamingMix mix(timing.length, toOutput);
                    mixOnce(mix, timing, r == 0 ? result.notices : again);
                }
            }
            total += timing.length * times;
        } else {
            // The tempo change is spread over the repetitions, one whole-BpM step each.
            for (int r = 1; r <= passage.repeats && output.Continue(); ++r) {
                const PassageTiming timing =
                    TimePassage(stretch.units, passage.unit,
                                RampBpm(passage.introBpm, passage.finalBpm, passage.repeats, r - 1),
                                RampBpm(passage.introBpm, passage.finalBpm, passage.repeats, r));
                StreamingMix mix(timing.length, toOutput);
                mixOnce(mix, timing, result.notices);
                total += timing.length;
            }
        }
        result.passageEndMs.push_back(
            static_cast<int>(RoundHalfEven(static_cast<double>(total) / 44.1)));
    }

    if (output.Cancelled()) {
        out.Abandon();
        result.messageIndex = kRenderCancelledMessage;
        result.passageEndMs.clear();
        result.passageUsuls.clear();
        return result;
    }
    const RenderedWavCommit commit = CommitRenderedWav(out);
    result.written = commit.written;
    result.playDurationMs = commit.playDurationMs;
    result.writeError = commit.error;
    return result;
}

}  // namespace ritmora
