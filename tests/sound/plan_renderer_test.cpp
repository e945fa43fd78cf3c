#include <gtest/gtest.h>

#include <numeric>

#include "sound/plan_renderer.h"
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
        auto opened = UsulLibrary::EnsureAndOpen(
            folder.path(), testing::LibraryBytes([](int, UsulRecord&) {}));
        ASSERT_EQ(opened.status, LibraryStatus::Ok);
        library = std::move(opened.library);
        ASSERT_TRUE(library->WriteSlot(201, Quarters(8)));
        UsulRecord single = EmptySlotRecord();
        single.Cell(1).rightDuration = 1;  // one sixty-fourth note
        single.totalDuration = 1;
        ASSERT_TRUE(library->WriteSlot(202, single));
    }
    PlanRenderResult Render(const std::vector<PassageSpec>& passages) {
        return RenderPlan(passages, *library, Instrument::Kudum, folder.path(),
                          folder / "Eser.---");
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
    EXPECT_DOUBLE_EQ(result.playDurationMs, 337680 * 2 / 88.2);
    EXPECT_EQ(DecodeWavHeader(ReadBytes(folder / "Eser.---")).dataSize, 337680u * 2);
}

TEST_F(PlanRendering, RampsAreSpreadOverTheRepetitions) {
    EXPECT_EQ(RampBpms(84, 50, 2), (std::vector<int>{84, 67, 50}));
    EXPECT_EQ(RampBpms(84, 50, 3), (std::vector<int>{84, 73, 62, 51}));
    EXPECT_EQ(RampBpms(60, 100, 4), (std::vector<int>{60, 70, 80, 90, 100}));

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

TEST_F(PlanRendering, EmptySlotStopsBeforeAnythingIsReplaced) {
    test::WriteBytes(folder / "Eser.---", {7, 7, 7});
    const PlanRenderResult result =
        Render({Passage(201, 1, 8, 1, 4, 60, 60), Passage(150, 1, 8, 1, 4, 60, 60)});
    EXPECT_EQ(result.messageIndex, 3);
    EXPECT_EQ(result.failedPassage, 2);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(ReadBytes(folder / "Eser.---"), (std::vector<std::uint8_t>{7, 7, 7}));
    EXPECT_FALSE(std::filesystem::exists(folder / "~Eser.---"));
}

TEST_F(PlanRendering, AtMostOneUnitHasNoTempoStep) {
    const PlanRenderResult result =
        Render({Passage(202, 1, 1, 1, 4, 84, 50), Passage(202, 2, 180, 1, 4, 84, 50),
                Passage(202, 1, 1, 3, 4, 84, 50)});
    ASSERT_TRUE(result.written) << result.writeError;
    const auto samples = Samples();
    // One unit: round((3307.5 + 1968.75) / 2) = 2638; no units: nothing; then three
    // repetitions at 84>73, 73>62 and 62>51.
    const auto spu = [](int bpm) { return static_cast<float>(60.0 / bpm * 4 / 64 * 44100); };
    const auto len = [&](int a, int b) {
        return static_cast<std::size_t>(std::nearbyint((double{spu(b)} + spu(a)) / 2));
    };
    EXPECT_EQ(samples.size(), 2638u + len(84, 73) + len(73, 62) + len(62, 51));
    EXPECT_EQ(result.passageEndMs[0], result.passageEndMs[1]);
    EXPECT_EQ(samples[0], 1500);
}

TEST_F(PlanRendering, RampedPassagesOfManyRepetitions) {
    const PlanRenderResult result = Render({Passage(202, 1, 1, 120, 16, 160, 40)});
    ASSERT_TRUE(result.written);
    EXPECT_EQ(NonZero(Samples()).size(), 120u);
    const std::vector<int> bpms = RampBpms(160, 40, 120);
    EXPECT_EQ(bpms.back(), 40);
    // A rounded step that would run below the lowest metronome value stops there.
    const std::vector<int> steep = RampBpms(95, 20, 50);  // step round(1.5) = 2
    EXPECT_EQ(steep[37], 21);
    EXPECT_EQ(steep.back(), 20);
    for (int bpm : steep) EXPECT_GE(bpm, 20);
}

TEST_F(PlanRendering, SameBytesTwice) {
    const std::vector<PassageSpec> plan = {Passage(201, 1, 8, 2, 8, 100, 140),
                                           Passage(201, 3, 8, 1, 16, 70, 70)};
    Render(plan);
    const auto first = ReadBytes(folder / "Eser.---");
    Render(plan);
    EXPECT_EQ(ReadBytes(folder / "Eser.---"), first);
}

}  // namespace
}  // namespace ritmora
