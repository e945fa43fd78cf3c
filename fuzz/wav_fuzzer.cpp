// Stroke sample files: any bytes as a sample file are read, laid into an output by the mixing
// rule (the streaming mix giving exactly what one whole buffer gives) and made softer.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "sound/render_limits.h"
#include "sound/sample_bank.h"
#include "sound/streaming_mix.h"
#include "sound/wav.h"

using namespace ritmora;
using ritmora::fuzz::Require;

namespace {

// Longer files are a matter of disk space, not of reading: the harness keeps each run short.
constexpr std::int64_t kMaxSofterFrames = std::int64_t{1} << 16;

StrokeKind KindOf(bool dum) { return dum ? StrokeKind::Düm : StrokeKind::Tek; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder folder;
    FuzzedDataProvider input(data, size);
    // Streaming hands samples on only once they lie two chunks behind a stroke; such long
    // outputs are slow, so only a few inputs ask for them.
    const bool streamed = input.ConsumeIntegralInRange(0, 15) == 0;
    const std::int64_t length = input.ConsumeIntegralInRange<std::int64_t>(0, 4096) +
                                (streamed ? 2 * kRenderChunkSamples : 0);
    std::array<std::int64_t, 2> positions{};
    for (std::int64_t& position : positions) {
        position = input.ConsumeIntegralInRange<std::int64_t>(-5000, length + 2);
    }
    std::sort(positions.begin(), positions.end());
    const std::array<StrokeKind, 2> kinds{KindOf(input.ConsumeBool()), KindOf(input.ConsumeBool())};
    const float factor = static_cast<float>(input.ConsumeIntegralInRange(2, 10)) / 10.0f;
    const std::vector<std::uint8_t> file = input.ConsumeRemainingBytes<std::uint8_t>();

    if (file.size() >= kWavHeaderSize) {
        const std::span<const std::uint8_t> head(file.data(), kWavHeaderSize);
        const WavHeaderBytes again = EncodeWavHeader(DecodeWavHeader(head));
        Require(std::equal(again.begin(), again.end(), head.begin()), "header round trip");
    }
    const DataChunkLocation location = LocateDataChunk(file);

    const auto source = folder.path() / "KUDUMD31.---";
    fuzz::WriteFile(source, file);
    WavReader reader;
    reader.ReadWav(source);
    Require(reader.CurrentSamples().size() <=
                static_cast<std::size_t>(std::max<std::int64_t>(reader.CurrentFrameCount(), 0)),
            "no more samples than frames");

    // The mixing rule on one whole buffer, and the same strokes streamed (positions from 1 on,
    // as the renderers lay them).
    // One buffer for every run: a fresh long one costs more than the mixing.
    static std::vector<std::int16_t> buffer(2 * kRenderChunkSamples + 4096);
    const std::span<std::int16_t> whole(buffer.data(), static_cast<std::size_t>(length));
    std::memset(whole.data(), 0, whole.size_bytes());
    for (std::size_t k = 0; k < positions.size(); ++k)
        reader.Overlay(whole, positions[k], kinds[k]);
    if (positions[0] >= 1) {
        const std::vector<std::int16_t> streamedOut = MixWhole(length, [&](StreamingMix& mix) {
            for (std::size_t k = 0; k < positions.size(); ++k) {
                mix.Overlay(reader, positions[k], kinds[k]);
            }
        });
        Require(std::equal(streamedOut.begin(), streamedOut.end(), whole.begin(), whole.end()),
                "streaming mix = one whole buffer");
    }

    const std::int64_t frames = location.found ? FrameCount(location.header) : -1;
    if (frames > kMaxSofterFrames) return 0;
    const auto target = folder.path() / "KUDUMD21.---";
    const SofterSampleStatus status = MakeSofterSample(source, target, factor);
    if (frames < 0) {
        Require(status == SofterSampleStatus::NotRecognized, "no data chunk, no softer file");
        return 0;
    }
    Require(status == SofterSampleStatus::Written, "a recognised file is made softer");
    const std::vector<std::uint8_t> softer = fuzz::ReadFile(target);
    Require(softer.size() == kWavHeaderSize + 2 * static_cast<std::size_t>(frames),
            "the softer file holds every frame");
    const WavHeaderBytes header = EncodeWavHeader(location.header);
    Require(std::equal(header.begin(), header.end(), softer.begin()), "its header as read");
    return 0;
}
