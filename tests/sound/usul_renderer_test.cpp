#include <gtest/gtest.h>

#include "sound/usul_renderer.h"
#include "sound/wav.h"
#include "tests/sound/sound_test_files.h"

namespace ritmora {
namespace {

using test::NonZero;
using test::Quarters;
using test::ReadBytes;
using test::ReadSamples;
using test::TempFolder;
using test::WriteImpulseBank;

class UsulRendering : public ::testing::Test {
  protected:
    void SetUp() override { WriteImpulseBank(folder.path(), Instrument::Bendir); }
    UsulRenderResult Render(const UsulRecord& usul, UsulRenderOptions options) {
        options.instrument = Instrument::Bendir;
        return RenderUsul(usul, options, folder.path(), folder / "Shablon.---");
    }
    TempFolder folder;
};

TEST_F(UsulRendering, EightQuartersAtSixty) {
    const UsulRenderResult result = Render(Quarters(8), {60, 4, Instrument::Bendir, false});
    ASSERT_TRUE(result.written) << result.writeError;
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(result.schedule.cycleMs, 8000);
    EXPECT_EQ(result.figures.cycleSamples, 352800);
    EXPECT_EQ(result.schedule.strokeEndMs,
              (std::vector<int>{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000}));
    EXPECT_EQ(result.schedule.markerX, (std::vector<int>{40, 60, 80, 100, 120, 140, 160, 180}));
    EXPECT_EQ(result.schedule.markerRow, std::vector<int>(8, 1));
    EXPECT_DOUBLE_EQ(result.schedule.playDurationMs, 352800 * 2 / 88.2);

    const auto samples = ReadSamples(folder / "Shablon.---");
    ASSERT_EQ(samples.size(), 352800u);
    std::vector<std::size_t> starts;
    for (std::size_t k = 0; k < 8; ++k) starts.push_back(k * 44097);  // 1, 44098, 88195, ...
    EXPECT_EQ(NonZero(samples), starts);
    EXPECT_EQ(samples[44097], 1500);  // loudness 0: the loud Düm (3000) into silence
}

TEST_F(UsulRendering, LoopFillsFiveMinutes) {
    const UsulRenderResult result = Render(Quarters(8), {60, 4, Instrument::Bendir, true});
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.figures.cycles, 37);
    EXPECT_EQ(result.schedule.strokeCount, 296);
    ASSERT_EQ(result.schedule.strokeEndMs.size(), 296u);
    EXPECT_EQ(result.schedule.strokeEndMs[295], 296000);
    EXPECT_EQ(result.schedule.markerX[295], 180);
    EXPECT_EQ(DecodeWavHeader(ReadBytes(folder / "Shablon.---")).dataSize, 352800u * 37 * 2);
    EXPECT_EQ(ExpectedUsulLength(Quarters(8), {60, 4, Instrument::Bendir, true}).samples,
              352800 * 37);
    EXPECT_EQ(NonZero(ReadSamples(folder / "Shablon.---")).size(), 296u);

    EXPECT_EQ(LoopCycles(88200), 150);  // a 2-second cycle
    EXPECT_EQ(LoopCycles(8820000), 1);  // a 200-second cycle plays once
    EXPECT_EQ(LoopCycles(6615000), 2);  // exactly 150 seconds
}

TEST_F(UsulRendering, SameBytesTwiceWithEveryLoudnessAndRow) {
    UsulRecord usul = Quarters(4);
    usul.Cell(2).rightDuration = 0;
    usul.Cell(2).leftDuration = 16;
    usul.Cell(3).loudness = 2;
    usul.Cell(4).loudness = 1;
    usul.Cell(90).leftDuration = 8;  // the last ring of the second row
    usul.Cell(90).loudness = 1;
    const UsulRenderResult result = Render(usul, {150, 8, Instrument::Bendir, false});
    const auto first = ReadBytes(folder / "Shablon.---");
    Render(usul, {150, 8, Instrument::Bendir, false});
    EXPECT_EQ(ReadBytes(folder / "Shablon.---"), first);
    EXPECT_EQ(result.schedule.cycleMs, 3600);  // 72 sixty-fourths of 50 ms at 150 eighths
    EXPECT_EQ(result.schedule.markerX, (std::vector<int>{40, 60, 80, 100, 920}));  // 90: 1820 - 900
    EXPECT_EQ(result.schedule.markerRow, (std::vector<int>{1, 1, 1, 1, 2}));
    const auto samples = ReadSamples(folder / "Shablon.---");
    std::vector<std::int16_t> strokes;
    for (std::size_t at : NonZero(samples)) strokes.push_back(samples[at]);
    // Loud Düm 3000 / 2, loud Tek 600 / 4, medium Düm 2000 / 2, soft Düm, soft Tek 400 / 4.
    EXPECT_EQ(strokes, (std::vector<std::int16_t>{1500, 150, 1000, 500, 100}));
    EXPECT_FALSE(std::filesystem::exists(folder / "~Shablon.---"));
}

TEST_F(UsulRendering, BothHandsInOneCellStartTogether) {
    UsulRecord usul = Quarters(2);
    usul.Cell(1).leftDuration = 8;  // never stored by the editor, but defined all the same
    const UsulRenderResult result = Render(usul, {60, 4, Instrument::Bendir, false});
    const auto samples = ReadSamples(folder / "Shablon.---");
    // Düm 3000 into silence gives 1500; Tek 600 on top: (300 + 1500) / 2 = 900.
    EXPECT_EQ(samples[0], 900);
    // The position moves on by the Tek duration only: S x 8 + 1.
    const std::size_t second = static_cast<std::size_t>(result.figures.samplesPerUnit * 8 + 1);
    EXPECT_EQ(NonZero(samples), (std::vector<std::size_t>{0, second}));
}

TEST_F(UsulRendering, RejectedSampleFileMixesThePreviousSamples) {
    std::filesystem::remove(folder / "BENDRT61.---");
    UsulRecord usul = Quarters(2);
    usul.Cell(2).rightDuration = 0;
    usul.Cell(2).leftDuration = 16;
    const UsulRenderResult result = Render(usul, {60, 4, Instrument::Bendir, false});
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.notices, std::vector<std::string>{kFormatNotRecognized});
    const auto samples = ReadSamples(folder / "Shablon.---");
    const auto at = NonZero(samples);
    ASSERT_EQ(at.size(), 2u);
    EXPECT_EQ(samples[at[1]], 750);  // the loud Düm's 3000 laid as a Tek
}

TEST_F(UsulRendering, NoBeatsAndAFailedWriteAreReported) {
    UsulRecord usul = EmptySlotRecord();
    usul.totalDuration = 64;  // a stale total does not count: the cells are empty
    const UsulRenderResult none = Render(usul, {150, 8, Instrument::Bendir, false});
    EXPECT_EQ(none.messageIndex, 3);
    EXPECT_FALSE(none.written);
    EXPECT_FALSE(std::filesystem::exists(folder / "Shablon.---"));

    test::WriteBytes(folder / "plain", {1});  // a file where the output folder should be
    const UsulRenderResult failed = RenderUsul(Quarters(1), {60, 4, Instrument::Bendir, false},
                                               folder.path(), folder / "plain" / "Shablon.---");
    EXPECT_FALSE(failed.written);
    EXPECT_FALSE(failed.writeError.empty());
}

}  // namespace
}  // namespace ritmora
