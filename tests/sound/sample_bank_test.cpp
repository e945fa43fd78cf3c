#include <gtest/gtest.h>

#include <cmath>

#include "sound/sample_bank.h"
#include "sound/wav.h"
#include "tests/sound/sound_test_files.h"

namespace ritmora {
namespace {

using test::ReadBytes;
using test::ReadSamples;
using test::TempFolder;
using test::WavBytes;
using test::WriteBytes;

TEST(SampleFileName, NamesInstrumentStrokeAndLevel) {
    EXPECT_EQ(SampleFileName(Instrument::Kudum, true, 0), "KUDUMD31.---");  // 0 is loud
    EXPECT_EQ(SampleFileName(Instrument::Bendir, false, 2), "BENDRT51.---");
    EXPECT_EQ(SampleFileName(Instrument::Def, false, 1), "TEFOOT41.---");
    EXPECT_EQ(SampleFileName(Instrument::Def, true, 7), "TEFOOD31.---");  // unknown: loud
}

TEST(MakeSofterSample, ScalesWithHalvesToEvenAndDropsChunksBeforeTheData) {
    TempFolder folder;
    WriteBytes(folder / "src.---", WavBytes({1001, 5, -1001, 32767, -32768}));
    ASSERT_EQ(MakeSofterSample(folder / "src.---", folder / "m.---", 0.6f),
              SofterSampleStatus::Written);
    EXPECT_EQ(ReadSamples(folder / "m.---"),
              (std::vector<std::int16_t>{601, 3, -601, 19660, -19661}));

    const auto source = test::SamplerChunkWav({100, 200, 300});
    WriteBytes(folder / "src.---", source);
    ASSERT_EQ(MakeSofterSample(folder / "src.---", folder / "s.---", 0.4f),
              SofterSampleStatus::Written);
    const auto target = ReadBytes(folder / "s.---");
    ASSERT_EQ(target.size(), 44u + 6u);
    EXPECT_TRUE(std::equal(source.begin(), source.begin() + 36, target.begin()));  // RIFF size too
    EXPECT_EQ(std::string(target.begin() + 36, target.begin() + 41), std::string("data\6", 5));
    EXPECT_EQ(ReadSamples(folder / "s.---"), (std::vector<std::int16_t>{40, 80, 120}));
}

TEST(MakeSofterSample, RejectsFilesWithoutDataAndReportsAFailedWrite) {
    TempFolder folder;
    WriteBytes(folder / "bad.---", std::vector<std::uint8_t>(100, 1));
    EXPECT_EQ(MakeSofterSample(folder / "bad.---", folder / "t.---", 0.5f),
              SofterSampleStatus::NotRecognized);
    EXPECT_EQ(MakeSofterSample(folder / "absent.---", folder / "t.---", 0.5f),
              SofterSampleStatus::NotRecognized);
    EXPECT_FALSE(std::filesystem::exists(folder / "t.---"));
    WriteBytes(folder / "src.---", WavBytes({1}));
    EXPECT_EQ(MakeSofterSample(folder / "src.---", folder / "no" / "such" / "t.---", 0.5f),
              SofterSampleStatus::WriteError);
}

TEST(WriteSampleBank, WritesTheRecordingsAndTheirSofterCanonicalVariants) {
    TempFolder folder;
    const auto vlvl = folder / "vlvl";
    const SampleBankResult result = WriteSampleBank(vlvl, LevelFactors{0.6f, 0.4f});
    ASSERT_TRUE(result.ok()) << result.detail;
    EXPECT_EQ(folder.FileCount(), 18);
    for (Instrument instrument : {Instrument::Kudum, Instrument::Bendir, Instrument::Def}) {
        for (bool dum : {true, false}) {
            const auto recording = StrokeRecording(instrument, dum);
            const auto loudBytes = ReadBytes(vlvl / SampleFileName(instrument, dum, 3));
            EXPECT_TRUE(std::ranges::equal(loudBytes, recording));
            // Kudüm and def carry a sampler chunk ("data" at byte position 81); the softer
            // files are canonical.
            EXPECT_EQ(LocateDataChunk(loudBytes).dataOffset,
                      instrument == Instrument::Bendir ? 44u : 88u);
            EXPECT_EQ(
                LocateDataChunk(ReadBytes(vlvl / SampleFileName(instrument, dum, 2))).dataOffset,
                44u);
            WavReader loud, medium, soft;
            loud.ReadWav(vlvl / SampleFileName(instrument, dum, 3));
            ASSERT_EQ(medium.ReadWav(vlvl / SampleFileName(instrument, dum, 2)), "");
            ASSERT_EQ(soft.ReadWav(vlvl / SampleFileName(instrument, dum, 1)), "");
            ASSERT_EQ(medium.CurrentFrameCount(), loud.CurrentFrameCount());
            for (std::size_t i = 0; i < loud.CurrentSamples().size(); i += 97) {
                const double sample = loud.CurrentSamples()[i];
                ASSERT_EQ(medium.CurrentSamples()[i], std::nearbyint(sample * double{0.6f}));
                ASSERT_EQ(soft.CurrentSamples()[i], std::nearbyint(sample * double{0.4f}));
            }
        }
    }
    WriteBytes(folder / "plain", {1});  // a file where the folder should be
    const SampleBankResult refused = WriteSampleBank(folder / "plain", LevelFactors{});
    EXPECT_EQ(refused.messageIndex, kSoundfileErrorMessage);
    EXPECT_FALSE(refused.detail.empty());
}

}  // namespace
}  // namespace ritmora
