#include <gtest/gtest.h>

#include <cmath>

#include "sound/sample_bank.h"
#include "sound/wav.h"
#include "tests/sound/sound_test_files.h"

namespace ritmora {
namespace {

using test::CanonicalWav;
using test::ReadBytes;
using test::ReadSamples;
using test::SamplerChunkWav;
using test::TempFolder;
using test::WriteBytes;

TEST(SampleFileName, NamesEveryLevel) {
    EXPECT_EQ(SampleFileName(Instrument::Kudum, true, 3), "KUDUMD31.---");
    EXPECT_EQ(SampleFileName(Instrument::Kudum, true, 0), "KUDUMD31.---");
    EXPECT_EQ(SampleFileName(Instrument::Kudum, true, 2), "KUDUMD21.---");
    EXPECT_EQ(SampleFileName(Instrument::Kudum, true, 1), "KUDUMD11.---");
    EXPECT_EQ(SampleFileName(Instrument::Bendir, false, 3), "BENDRT61.---");
    EXPECT_EQ(SampleFileName(Instrument::Bendir, false, 2), "BENDRT51.---");
    EXPECT_EQ(SampleFileName(Instrument::Def, false, 1), "TEFOOT41.---");
    EXPECT_EQ(SampleFileName(Instrument::Def, true, 7), "TEFOOD31.---");  // unknown: loud
}

TEST(MakeSofterSample, ScalesWithHalvesToEven) {
    TempFolder folder;
    WriteBytes(folder / "src.---", CanonicalWav({1001, 5, -1001, 32767, -32768}));
    ASSERT_EQ(MakeSofterSample(folder / "src.---", folder / "m.---", 0.6f),
              SofterSampleStatus::Written);
    EXPECT_EQ(ReadSamples(folder / "m.---"),
              (std::vector<std::int16_t>{601, 3, -601, 19660, -19661}));
    ASSERT_EQ(MakeSofterSample(folder / "src.---", folder / "h.---", 0.5f),
              SofterSampleStatus::Written);
    EXPECT_EQ(ReadSamples(folder / "h.---")[1], 2);  // 2.5
}

TEST(MakeSofterSample, DropsChunksBeforeTheDataButKeepsTheRiffSize) {
    TempFolder folder;
    const auto source = SamplerChunkWav({100, 200, 300});
    WriteBytes(folder / "src.---", source);
    ASSERT_EQ(MakeSofterSample(folder / "src.---", folder / "s.---", 0.4f),
              SofterSampleStatus::Written);
    const auto target = ReadBytes(folder / "s.---");
    ASSERT_EQ(target.size(), 44u + 6u);
    EXPECT_EQ(source.size() - target.size(), 44u + 2u);
    EXPECT_TRUE(std::equal(source.begin(), source.begin() + 36, target.begin()));  // RIFF size too
    EXPECT_EQ(std::string(target.begin() + 36, target.begin() + 40), "data");
    EXPECT_EQ(target[40], 6);
    EXPECT_EQ(ReadSamples(folder / "s.---"), (std::vector<std::int16_t>{40, 80, 120}));
}

TEST(MakeSofterSample, RejectsFilesWithoutData) {
    TempFolder folder;
    WriteBytes(folder / "bad.---", std::vector<std::uint8_t>(100, 1));
    EXPECT_EQ(MakeSofterSample(folder / "bad.---", folder / "t.---", 0.5f),
              SofterSampleStatus::NotRecognized);
    EXPECT_FALSE(std::filesystem::exists(folder / "t.---"));
    EXPECT_EQ(MakeSofterSample(folder / "absent.---", folder / "t.---", 0.5f),
              SofterSampleStatus::NotRecognized);
    WriteBytes(folder / "src.---", CanonicalWav({1}));
    EXPECT_EQ(MakeSofterSample(folder / "src.---", folder / "no" / "such" / "t.---", 0.5f),
              SofterSampleStatus::WriteError);
}

TEST(WriteSampleBank, WritesEighteenFilesFromTheRecordings) {
    TempFolder folder;
    const auto vlvl = folder / "vlvl";
    const SampleBankResult result = WriteSampleBank(vlvl, LevelFactors{0.6f, 0.4f});
    ASSERT_TRUE(result.ok()) << result.detail;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(vlvl)) {
        EXPECT_EQ(entry.path().extension(), ".---");
        ++files;
    }
    EXPECT_EQ(files, 18);
    for (Instrument instrument : {Instrument::Kudum, Instrument::Bendir, Instrument::Def}) {
        for (bool dum : {true, false}) {
            const auto recording = StrokeRecording(instrument, dum);
            EXPECT_EQ(ReadBytes(vlvl / SampleFileName(instrument, dum, 3)),
                      std::vector<std::uint8_t>(recording.begin(), recording.end()));
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
}

TEST(WriteSampleBank, DerivedKudumAndDefFilesAreCanonical) {
    TempFolder folder;
    ASSERT_TRUE(WriteSampleBank(folder.path(), LevelFactors{}).ok());
    for (Instrument instrument : {Instrument::Kudum, Instrument::Def}) {
        for (bool dum : {true, false}) {
            const auto loud = ReadBytes(folder / SampleFileName(instrument, dum, 3));
            const auto medium = ReadBytes(folder / SampleFileName(instrument, dum, 2));
            EXPECT_EQ(LocateDataChunk(loud).dataOffset, 88u);  // "data" at byte position 81
            EXPECT_EQ(LocateDataChunk(medium).dataOffset, 44u);
            EXPECT_EQ(loud.size() - medium.size(), 44u + 2u);
            EXPECT_TRUE(std::equal(loud.begin(), loud.begin() + 8, medium.begin()));
        }
    }
    EXPECT_EQ(LocateDataChunk(ReadBytes(folder / "BENDRD31.---")).dataOffset, 44u);
}

TEST(WriteSampleBank, ReportsAFolderThatCannotBeMade) {
    TempFolder folder;
    WriteBytes(folder / "vlvl", {1});  // a file where the folder should be
    const SampleBankResult result = WriteSampleBank(folder / "vlvl", LevelFactors{});
    EXPECT_EQ(result.messageIndex, kSoundfileErrorMessage);
    EXPECT_FALSE(result.detail.empty());
}

}  // namespace
}  // namespace ritmora
