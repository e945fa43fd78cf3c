#include <gtest/gtest.h>

#include <stop_token>

#include "app/texts.h"
#include "sound/plan_renderer.h"
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

PassageSpec Passage(int slot, int start, int end, int repeats, int unit, int intro, int final) {
    return PassageSpec{"p" + std::to_string(slot), slot, start, end, repeats, unit, intro, final};
}

class PlanRendering : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteImpulseBank(folder.path(), Instrument::Kudum);
        auto opened = UsulLibrary::EnsureAndOpen(folder.path(),
                                                 testing::LibraryBytes([](int, UsulRecord&) {}));
        ASSERT_EQ(opened.status, LibraryStatus::Ok);
        library = std::move(opened.library);
        ASSERT_TRUE(library->WriteSlot(201, Quarters(8)));
        UsulRecord single = EmptySlotRecord();
        single.Cell(1).rightDuration = 1;  // one sixty-fourth note
        single.totalDuration = 1;
        ASSERT_TRUE(library->WriteSlot(202, single));
    }
    PlanRenderResult Render(const std::vector<PassageSpec>& passages,
                            const RenderControl& control = {}) {
        return RenderPlan(passages, *library, Instrument::Kudum, folder.path(), folder / "Eser.---",
                          control);
    }
    std::vector<std::int16_t> Samples() { return ReadSamples(folder / "Eser.---"); }

    TempFolder folder;
    std::unique_ptr<UsulLibrary> library;
};

TEST_F(PlanRendering, RampedPassageToTheSample) {
    const PlanRenderResult result = Render({Passage(201, 1, 8, 1, 4, 84, 50)});
    ASSERT_TRUE(result.written) << result.writeError;
    const auto samples = Samples();
    ASSERT_EQ(samples.size(), 337680u);
    const auto at = NonZero(samples);
    ASSERT_EQ(at.size(), 8u);
    EXPECT_EQ(at[0], 0u);       // sample 1
    EXPECT_EQ(at[1], 32765u);   // sample 32766
    EXPECT_EQ(at[2], 68229u);   // sample 68230
    EXPECT_EQ(at[7], 286025u);  // sample 286026
    // Each beat is longer than the one before: the tempo falls.
    for (std::size_t k = 2; k < at.size(); ++k) EXPECT_GT(at[k] - at[k - 1], at[k - 1] - at[k - 2]);
    EXPECT_EQ(result.passageEndMs, std::vector<int>{7657});  // 337680 / 44.1 = 7657.1
    EXPECT_EQ(result.passageUsuls, std::vector<int>{201});
    EXPECT_EQ(DecodeWavHeader(ReadBytes(folder / "Eser.---")).dataSize, 337680u * 2);
    EXPECT_EQ(ExpectedPlanLength({Passage(201, 1, 8, 1, 4, 84, 50)}, *library).samples, 337680);
}

TEST_F(PlanRendering, RampsAreSpreadOverTheRepetitions) {
    EXPECT_EQ(RampBpms(84, 50, 2), (std::vector<int>{84, 67, 50}));
    EXPECT_EQ(RampBpms(84, 50, 3), (std::vector<int>{84, 73, 62, 51}));
    EXPECT_EQ(RampBpms(60, 100, 4), (std::vector<int>{60, 70, 80, 90, 100}));
    // The rounded steps may end below 20 (100, 73, 46, 19); only 0 and below are kept off.
    EXPECT_EQ(RampBpms(100, 20, 3), (std::vector<int>{100, 73, 46, 19}));
    EXPECT_EQ(RampBpms(95, 20, 50).back(), 1);

    Render({Passage(201, 1, 8, 1, 4, 84, 67), Passage(201, 1, 8, 1, 4, 67, 50)});
    const auto twoPassages = Samples();
    const PlanRenderResult result = Render({Passage(201, 1, 8, 2, 4, 84, 50)});
    EXPECT_EQ(Samples(), twoPassages);
    EXPECT_EQ(result.passageEndMs.size(), 1u);
    EXPECT_EQ(result.passageEndMs[0], static_cast<int>(std::nearbyint(twoPassages.size() / 44.1)));
}

TEST_F(PlanRendering, ConstantRepeatsAreIdenticalCopies) {
    Render({Passage(201, 1, 8, 1, 8, 120, 120)});
    const auto once = Samples();
    ASSERT_EQ(once.size(), 352800u);  // sixteen eighth-note beats at 120
    Render({Passage(201, 1, 8, 0, 8, 120, 120)});
    EXPECT_EQ(Samples(), once);  // repeats 0 render once
    Render({Passage(201, 1, 8, 3, 8, 120, 120)});
    const auto thrice = Samples();
    ASSERT_EQ(thrice.size(), 3 * once.size());
    for (std::size_t copy = 0; copy < 3; ++copy) {
        EXPECT_TRUE(std::equal(once.begin(), once.end(), thrice.begin() + copy * once.size()));
    }
    // A passage too long to copy (192 s at 10 BpM) is mixed again for each repetition, from the
    // same current sample: its first stroke's file is rejected, so the stroke takes whatever
    // sample came before the passage, in every repetition alike.
    UsulRecord firstRejected = Quarters(8);
    firstRejected.Cell(1).loudness = 1;
    ASSERT_TRUE(library->WriteSlot(203, firstRejected));
    std::filesystem::remove(folder / "KUDUMD11.---");
    const PlanRenderResult result = Render({Passage(203, 1, 8, 2, 16, 10, 10)});
    EXPECT_EQ(result.notices.size(), 1u);
    const auto twice = Samples();
    ASSERT_EQ(twice.size() % 2, 0u);
    EXPECT_TRUE(std::equal(twice.begin(), twice.begin() + twice.size() / 2,
                           twice.begin() + twice.size() / 2));
}

TEST_F(PlanRendering, BeatRingStretchesAndPassageEnds) {
    const PlanRenderResult result =
        Render({Passage(201, 1, 3, 1, 4, 60, 60), Passage(201, 4, 8, 1, 4, 60, 60),
                Passage(201, 9, 8, 1, 4, 60, 60)});
    ASSERT_TRUE(result.written);
    const auto samples = Samples();
    // 44100 samples per quarter at 60: rings 1-3, then 4-8, then nothing at all.
    ASSERT_EQ(samples.size(), 8u * 44100u);
    EXPECT_EQ(result.passageEndMs, (std::vector<int>{3000, 8000, 8000}));
    EXPECT_EQ(result.passageEndMs.back(), static_cast<int>(std::nearbyint(samples.size() / 44.1)));
    EXPECT_EQ(NonZero(samples).size(), 8u);
    EXPECT_EQ(NonZero(samples)[3], 3u * 44100u);  // the second passage starts on its own beat
}

TEST_F(PlanRendering, RefusalsWriteNothing) {
    // 352800 samples a repetition: 900 of them are exactly two hours.
    const PassageSpec eightSeconds = Passage(201, 1, 8, 1, 8, 120, 120);
    const PassageSpec twoHours = Passage(201, 1, 8, 900, 8, 120, 120);
    const std::pair<std::vector<PassageSpec>, int> cases[] = {
        {{twoHours}, 0},
        {{Passage(201, 1, 8, 901, 8, 120, 120)}, kRenderTooLongMessage},
        {{twoHours, eightSeconds}, kRenderTooLongMessage},
        {{eightSeconds, Passage(150, 1, 8, 1, 4, 60, 60)}, kNoBeatsMessage},
    };
    const std::vector<std::uint8_t> previous = {7, 7, 7};
    test::WriteBytes(folder / "Eser.---", previous);
    const int files = folder.FileCount();
    for (const auto& [plan, message] : cases) {
        EXPECT_EQ(ExpectedPlanLength(plan, *library).messageIndex, message) << plan.size();
        if (message == 0) continue;  // rendering two hours is the benchmark's work
        const PlanRenderResult result = Render(plan);
        EXPECT_EQ(result.messageIndex, message);
        EXPECT_EQ(result.failedPassage, message == kNoBeatsMessage ? 2 : 0);
    }
    // Every cell at 255 sixty-fourths, at 20 BpM to the sixteenth: a cycle of nearly ten hours.
    UsulRecord longest = EmptySlotRecord();
    for (int i = 1; i <= kCellCount; ++i) longest.Cell(i).rightDuration = 255;
    const UsulRenderOptions slowest{20, 16, Instrument::Kudum, true};
    EXPECT_EQ(RenderUsul(longest, slowest, folder.path(), folder / "Eser.---").messageIndex,
              kRenderTooLongMessage);
    EXPECT_EQ(ReadBytes(folder / "Eser.---"), previous);
    EXPECT_EQ(folder.FileCount(), files);  // no temporary file left behind
}

// Repetitions of a ramp are mixed one by one; a cancel stops at the next chunk after the request.
TEST_F(PlanRendering, CancellingKeepsThePreviousFile) {
    std::stop_source stop;
    std::vector<double> fractions;
    RenderControl control{stop.get_token(), [&](double fraction) {
                              fractions.push_back(fraction);
                              if (fractions.size() == 2) stop.request_stop();
                          }};
    test::WriteBytes(folder / "Eser.---", {7, 7, 7});
    const int files = folder.FileCount();
    EXPECT_EQ(Render({Passage(201, 1, 8, 20, 8, 120, 60)}, control).messageIndex,
              kRenderCancelledMessage);
    EXPECT_EQ(fractions.size(), 2u);
    EXPECT_EQ(ReadBytes(folder / "Eser.---"), (std::vector<std::uint8_t>{7, 7, 7}));
    EXPECT_EQ(folder.FileCount(), files);
    control.stop = {};
    EXPECT_TRUE(Render({Passage(201, 1, 8, 20, 8, 120, 60)}, control).written);
    EXPECT_EQ(fractions.back(), 1.0);
}

TEST_F(PlanRendering, AtMostOneUnitHasNoTempoStep) {
    const std::vector<PassageSpec> plan = {Passage(202, 1, 1, 1, 4, 84, 50),
                                           Passage(202, 2, 180, 1, 4, 84, 50)};
    const PlanRenderResult result = Render(plan);
    ASSERT_TRUE(result.written) << result.writeError;
    // One unit: round((3307.5 + 1968.75) / 2); no units: nothing.
    EXPECT_EQ(Samples().size(), 2638u);
    EXPECT_EQ(ExpectedPlanLength(plan, *library).samples, 2638);
    EXPECT_EQ(result.passageEndMs, (std::vector<int>{60, 60}));
    EXPECT_EQ(Samples()[0], 1500);
}

}  // namespace
}  // namespace ritmora
