#include <gtest/gtest.h>

#include "sound/wav.h"
#include "tests/sound/sound_test_files.h"

namespace ritmora {
namespace {

using test::SamplerChunkWav;
using test::TempFolder;
using test::WavBytes;
using test::WriteBytes;

TEST(MakeWavHeader, MatchesTheCanonicalHeaderByteForByte) {
    for (std::int32_t frames : {0, 1, 44100}) {
        WavHeader header;
        MakeWavHeader(header, frames, 1, 44100, 16);
        const auto bytes = EncodeWavHeader(header);
        const auto expected = WavBytes(std::vector<std::int16_t>(frames));
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin())) << frames;
        EXPECT_EQ(DecodeWavHeader(bytes), header);
    }
}

TEST(OverlayStroke, AveragesRoundsHalvesToEvenAndStaysInRange) {
    struct Case {
        StrokeKind kind;
        std::int16_t stroke, output, mixed;
    };
    for (const Case& c :
         {Case{StrokeKind::Düm, 1000, 0, 500}, Case{StrokeKind::Tek, 1000, 0, 250},
          Case{StrokeKind::Düm, 1000, 500, 750},  // averages, never sums
          Case{StrokeKind::Düm, -32768, -32768, -32768}, Case{StrokeKind::Düm, 32767, 32767, 32767},
          Case{StrokeKind::Tek, -32768, -32768, -24576},
          Case{StrokeKind::Tek, 32767, 32767, 24575},  // 24575.25
          Case{StrokeKind::Düm, 3, 0, 2}, Case{StrokeKind::Düm, 1, 0, 0},
          Case{StrokeKind::Düm, -1, 0, 0}, Case{StrokeKind::Düm, -3, 0, -2}}) {
        std::vector<std::int16_t> output{0, c.output};
        OverlayStroke(output, 2, c.kind, std::vector<std::int16_t>{c.stroke});
        EXPECT_EQ(output, (std::vector<std::int16_t>{0, c.mixed})) << c.stroke << " " << c.output;
    }
}

TEST(OverlayStroke, CutsAtTheEndAndLeavesTheRest) {
    std::vector<std::int16_t> output(10, 8);
    OverlayStroke(output, 3, StrokeKind::Düm, std::vector<std::int16_t>{100, 100});
    EXPECT_EQ(output, (std::vector<std::int16_t>{8, 8, 54, 54, 8, 8, 8, 8, 8, 8}));
    OverlayStroke(output, 9, StrokeKind::Düm, std::vector<std::int16_t>(5, 100));
    EXPECT_EQ(output[9], 54);  // the last two samples, the rest cut off
    OverlayStroke(output, 11, StrokeKind::Düm, std::vector<std::int16_t>{100});  // past the end
    EXPECT_EQ(output.back(), 54);
    // A silent tail that the file never stored still halves what it covers.
    std::vector<std::int16_t> tail(4, 8);
    OverlayStroke(tail, 1, StrokeKind::Düm, std::vector<std::int16_t>{100}, 3);
    EXPECT_EQ(tail, (std::vector<std::int16_t>{54, 4, 4, 8}));
}

TEST(ReadWav, FindsTheDataChunkInEveryLayout) {
    TempFolder folder;
    auto canonical = WavBytes({6, 8});
    canonical[36] = 'D';  // letter case is ignored
    canonical[38] = 'T';
    auto shortFile = WavBytes({4, 6, 8, 10});
    shortFile.resize(shortFile.size() - 3);  // the last sample and a half are gone: silence
    const std::pair<std::vector<std::uint8_t>, std::vector<std::int16_t>> cases[] = {
        {SamplerChunkWav({10, -12, 14}), {10, -12, 14}},  // samples from byte position 89
        {canonical, {6, 8}},
        {shortFile, {4, 6, 0, 0}},
    };
    for (const auto& [bytes, samples] : cases) {
        WriteBytes(folder / "s.---", bytes);
        WavReader reader;
        ASSERT_EQ(reader.ReadWav(folder / "s.---"), "");
        EXPECT_EQ(reader.CurrentFrameCount(), std::ssize(samples));
        EXPECT_EQ(reader.CurrentWavHeader().channels, 1);
        std::vector<std::int16_t> output(samples.size() + 1, 0), expected(output);
        reader.Overlay(output, 1, StrokeKind::Düm);
        for (std::size_t i = 0; i < samples.size(); ++i) expected[i] = samples[i] / 2;
        EXPECT_EQ(output, expected);
    }
    EXPECT_EQ(LocateDataChunk(SamplerChunkWav({1})).dataOffset, 88u);
}

TEST(ReadWav, FailuresKeepTheLastGoodSamples) {
    TempFolder folder;
    auto noBlockAlign = WavBytes({9, 9});
    noBlockAlign[32] = 0;                     // a header that cannot say how long a frame is
    std::vector<std::uint8_t> late(1100, 0);  // "data" only after byte position 1000
    std::copy_n("data", 4, late.begin() + 1001);
    const std::pair<std::vector<std::uint8_t>, std::string> cases[] = {
        {{}, kFormatNotRecognized},
        {std::vector<std::uint8_t>(2000, 'x'), kFormatNotRecognized},
        {late, kFormatNotRecognized},
        {noBlockAlign, kFormatNotRecognized},
        {WavBytes({9, 9, 9}, 44100, 3), kChannelCountUnreadable},
    };
    WavReader reader;
    WriteBytes(folder / "good.---", WavBytes({1, 2, 3}));
    ASSERT_EQ(reader.ReadWav(folder / "good.---"), "");
    EXPECT_EQ(reader.ReadWav(folder / "missing.---"), kFormatNotRecognized);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.---"));
    for (const auto& [bytes, message] : cases) {
        WriteBytes(folder / "bad.---", bytes);
        EXPECT_EQ(reader.ReadWav(folder / "bad.---"), message);
        EXPECT_EQ(reader.CurrentWavHeader().channels, 1);
        ASSERT_EQ(reader.CurrentSamples().size(), 3u);
        EXPECT_EQ(reader.CurrentSamples()[2], 3);
    }
    WriteBytes(folder / "stereo.---", WavBytes({7, 7, 7, 7}, 44100, 2));
    EXPECT_EQ(reader.ReadWav(folder / "stereo.---"), "");
    EXPECT_EQ(reader.CurrentWavHeader().channels, 2);
}

}  // namespace
}  // namespace ritmora
