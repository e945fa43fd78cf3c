#include <gtest/gtest.h>

#include "sound/wav.h"
#include "tests/sound/sound_test_files.h"

namespace ritmora {
namespace {

using test::CanonicalWav;
using test::SamplerChunkWav;
using test::TempFolder;
using test::WriteBytes;

TEST(MakeWavHeader, OneSecondMono) {
    WavHeader header;
    MakeWavHeader(header, 44100, 1, 44100, 16);
    EXPECT_EQ(header.dataSize, 88200u);
    EXPECT_EQ(header.riffSize, 88236u);
    EXPECT_EQ(header.byteRate, 88200u);
    EXPECT_EQ(header.blockAlign, 2);
    EXPECT_EQ(header.formatChunkSize, 16u);
    EXPECT_EQ(header.formatTag, 1);

    const auto bytes = EncodeWavHeader(header);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(0, 4), "RIFF");
    EXPECT_EQ(text.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(text.substr(36, 4), "data");
    EXPECT_EQ(bytes[40], 0x88);  // 88200 = 0x00015888, little-endian
    EXPECT_EQ(bytes[41], 0x58);
    EXPECT_EQ(bytes[42], 0x01);
    EXPECT_EQ(DecodeWavHeader(bytes), header);
}

std::int16_t MixOne(StrokeKind kind, std::int16_t s, std::int16_t o) {
    std::vector<std::int16_t> output{o};
    const std::vector<std::int16_t> stroke{s};
    OverlayStroke(output, 1, kind, stroke);
    return output[0];
}

TEST(OverlayStroke, AveragesIntoTheOutput) {
    std::vector<std::int16_t> output(4, 0);
    const std::vector<std::int16_t> stroke{1000};
    OverlayStroke(output, 2, StrokeKind::Düm, stroke);
    EXPECT_EQ(output, (std::vector<std::int16_t>{0, 500, 0, 0}));
    // A second stroke halves what the first left: mixing averages, it never sums.
    OverlayStroke(output, 2, StrokeKind::Düm, stroke);
    EXPECT_EQ(output[1], 750);
    EXPECT_EQ(MixOne(StrokeKind::Tek, 1000, 0), 250);

    EXPECT_EQ(MixOne(StrokeKind::Düm, -32768, -32768), -32768);
    EXPECT_EQ(MixOne(StrokeKind::Düm, 32767, 32767), 32767);
    EXPECT_EQ(MixOne(StrokeKind::Tek, -32768, -32768), -24576);
    EXPECT_EQ(MixOne(StrokeKind::Tek, 32767, 32767), 24575);  // 24575.25
    EXPECT_EQ(MixOne(StrokeKind::Düm, 3, 0), 2);              // 1.5
    EXPECT_EQ(MixOne(StrokeKind::Düm, 1, 0), 0);              // 0.5
    EXPECT_EQ(MixOne(StrokeKind::Düm, -1, 0), 0);             // -0.5
    EXPECT_EQ(MixOne(StrokeKind::Düm, -3, 0), -2);            // -1.5
}

TEST(OverlayStroke, CutsAtTheEndAndLeavesTheRest) {
    std::vector<std::int16_t> output(1000, 8);
    const std::vector<std::int16_t> stroke(500, 100);
    OverlayStroke(output, 901, StrokeKind::Düm, stroke);  // 100 samples before the end
    EXPECT_EQ(output[899], 8);
    for (std::size_t i = 900; i < 1000; ++i) ASSERT_EQ(output[i], 54);

    std::vector<std::int16_t> longer(10, 8);
    OverlayStroke(longer, 3, StrokeKind::Düm, std::vector<std::int16_t>{100, 100});
    EXPECT_EQ(longer, (std::vector<std::int16_t>{8, 8, 54, 54, 8, 8, 8, 8, 8, 8}));
    OverlayStroke(longer, 11, StrokeKind::Düm, std::vector<std::int16_t>{100});  // past the end
    EXPECT_EQ(longer.back(), 8);

    // A silent tail that the file never stored still halves what it covers.
    std::vector<std::int16_t> tail(4, 8);
    OverlayStroke(tail, 1, StrokeKind::Düm, std::vector<std::int16_t>{100}, 3);
    EXPECT_EQ(tail, (std::vector<std::int16_t>{54, 4, 4, 8}));
}

TEST(ReadWav, FindsTheDataChunkBehindASamplerChunk) {
    TempFolder folder;
    const auto bytes = SamplerChunkWav({11, -12, 13});
    ASSERT_EQ(std::string(bytes.begin() + 80, bytes.begin() + 84), "data");  // byte position 81
    const DataChunkLocation location = LocateDataChunk(bytes);
    ASSERT_TRUE(location.found);
    EXPECT_EQ(location.dataOffset, 88u);  // samples start at byte 89
    EXPECT_EQ(location.header.dataSize, 6u);

    WriteBytes(folder / "k.---", bytes);
    WavReader reader;
    EXPECT_EQ(reader.ReadWav(folder / "k.---"), "");
    EXPECT_EQ(
        std::vector<std::int16_t>(reader.CurrentSamples().begin(), reader.CurrentSamples().end()),
        (std::vector<std::int16_t>{11, -12, 13}));
    EXPECT_EQ(reader.CurrentWavHeader().channels, 1);
}

TEST(ReadWav, ReadsACanonicalFileWithoutSearchAndIgnoresLetterCase) {
    TempFolder folder;
    auto bytes = CanonicalWav({5, 6});
    EXPECT_EQ(LocateDataChunk(bytes).dataOffset, 44u);
    bytes[36] = 'D';
    bytes[38] = 'T';
    WriteBytes(folder / "b.---", bytes);
    WavReader reader;
    EXPECT_EQ(reader.ReadWav(folder / "b.---"), "");
    EXPECT_EQ(reader.CurrentFrameCount(), 2);
    EXPECT_EQ(reader.CurrentSamples()[1], 6);
}

TEST(ReadWav, FailuresKeepTheLastGoodSamples) {
    TempFolder folder;
    WriteBytes(folder / "good.---", CanonicalWav({1, 2, 3}));
    std::vector<std::uint8_t> noData(2000, 'x');
    WriteBytes(folder / "nodata.---", noData);
    auto threeChannels = CanonicalWav({9, 9, 9}, 3);
    WriteBytes(folder / "three.---", threeChannels);
    WriteBytes(folder / "stereo.---", CanonicalWav({7, 7, 7, 7}, 2));
    auto noBlockAlign = CanonicalWav({9, 9});
    noBlockAlign[32] = 0;  // a header that cannot say how long a frame is
    WriteBytes(folder / "noalign.---", noBlockAlign);
    // "data" only after byte position 1000 is not found.
    std::vector<std::uint8_t> late(1100, 0);
    const std::string data = "data";
    std::copy(data.begin(), data.end(), late.begin() + 1001);
    WriteBytes(folder / "late.---", late);

    WavReader reader;
    ASSERT_EQ(reader.ReadWav(folder / "good.---"), "");
    EXPECT_EQ(reader.ReadWav(folder / "missing.---"), kFormatNotRecognized);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.---"));
    EXPECT_EQ(reader.ReadWav(folder / "nodata.---"), kFormatNotRecognized);
    EXPECT_EQ(reader.ReadWav(folder / "late.---"), kFormatNotRecognized);
    EXPECT_EQ(reader.ReadWav(folder / "three.---"), kChannelCountUnreadable);
    EXPECT_EQ(reader.ReadWav(folder / "noalign.---"), kFormatNotRecognized);
    EXPECT_EQ(reader.CurrentWavHeader().channels, 1);
    EXPECT_EQ(reader.ReadWav(folder / "stereo.---"), "");
    EXPECT_EQ(reader.CurrentWavHeader().channels, 2);
    ASSERT_EQ(reader.CurrentSamples().size(), 3u);
    EXPECT_EQ(reader.CurrentSamples()[2], 3);
}

TEST(ReadWav, MissingSamplesOfAShortFileAreSilence) {
    TempFolder folder;
    auto bytes = CanonicalWav({4, 5, 6, 7});
    bytes.resize(bytes.size() - 3);  // the last sample and a half are gone
    WriteBytes(folder / "short.---", bytes);
    WavReader reader;
    ASSERT_EQ(reader.ReadWav(folder / "short.---"), "");
    EXPECT_EQ(reader.CurrentFrameCount(), 4);
    std::vector<std::int16_t> output(6, 100);
    reader.Overlay(output, 1, StrokeKind::Düm);
    EXPECT_EQ(output, (std::vector<std::int16_t>{52, 52, 50, 50, 100, 100}));
}

}  // namespace
}  // namespace ritmora
