#include "sound/streaming_mix.h"

#include <gtest/gtest.h>

#include "tests/sound/sound_test_files.h"

namespace ritmora {
namespace {

TEST(StreamingMix, HandsOnWhatOneWholeBufferWouldHold) {
    test::TempFolder folder;
    std::vector<std::int16_t> stroke(300000);  // longer than a chunk
    for (std::size_t i = 0; i < stroke.size(); ++i) {
        stroke[i] = static_cast<std::int16_t>(static_cast<int>(i * 7919 % 20001) - 10000);
    }
    test::WriteBytes(folder / "stroke.---", test::WavBytes(stroke));
    WavReader reader;
    ASSERT_EQ(reader.ReadWav(folder / "stroke.---"), "");

    // Overlapping strokes across chunk borders, a gap of several chunks, one cut at the end.
    const std::int64_t length = 2000000;
    const std::int64_t starts[] = {1, 5000, 262144, 262145, 1200000, 1900000};
    std::vector<std::int16_t> whole(static_cast<std::size_t>(length));
    const std::vector<std::int16_t> streamed = MixWhole(length, [&](StreamingMix& mix) {
        for (std::size_t k = 0; k < std::size(starts); ++k) {
            const StrokeKind kind = k % 2 == 0 ? StrokeKind::Düm : StrokeKind::Tek;
            OverlayStroke(whole, starts[k], kind, stroke);
            mix.Overlay(reader, starts[k], kind);
        }
    });
    EXPECT_TRUE(streamed == whole);
}

}  // namespace
}  // namespace ritmora
