#include "playback/schedule.h"

#include <gtest/gtest.h>

namespace ritmora {
namespace {

TEST(MarkerTimers, OneTimerPerStrokeButTheLastAndEveryIdentifierInLongLoops) {
    // 8 quarters at 60 BpM: the strokes end each second.
    const auto eight = MarkerTimers({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000});
    ASSERT_EQ(eight.size(), 7u);
    EXPECT_EQ(eight.front(), (TimerDue{1, 1000}));
    EXPECT_EQ(eight.back(), (TimerDue{7, 7000}));
    EXPECT_TRUE(MarkerTimers({}).empty());
    EXPECT_TRUE(MarkerTimers({1000}).empty()) << "a one-stroke usul only has its end timer";
    std::vector<int> ends(1500);
    for (std::size_t k = 0; k < ends.size(); ++k) ends[k] = 200 * static_cast<int>(k + 1);
    const auto loop = MarkerTimers(ends);
    ASSERT_EQ(loop.size(), 1499u);
    EXPECT_EQ(loop[1000], (TimerDue{1001, 1001 * 200}));
}

TEST(EndTimers, RoundHalvesToEvenFromThePlayedPosition) {
    EXPECT_EQ(UsulEndTimerMs(1000.5), 1000);
    EXPECT_EQ(UsulEndTimerMs(1001.5), 1002);
    EXPECT_EQ(PlanEndTimerMs(20000.4, 12000), 8000);
    EXPECT_EQ(PlanEndTimerMs(20000.0, 25000), 0) << "a position past the end ends at once";
}

TEST(PassageTimers, OnlyPassagesAfterThePositionAreArmedButNeverTheLast) {
    // Five passages ending at 5, 10, 15, 20 and 26 s.
    const std::vector<int> ends{5000, 10000, 15000, 20000, 26000};
    const std::pair<int, std::vector<TimerDue>> cases[] = {
        {0, {{1, 5000}, {2, 10000}, {3, 15000}, {4, 20000}}},
        {10000, {{3, 5000}, {4, 10000}}},  // started from the third passage
        {12000, {{3, 3000}, {4, 8000}}},   // a pause at twelve seconds
        {15000, {{4, 5000}}},              // exactly at a passage end: not armed again
    };
    for (const auto& [from, timers] : cases) EXPECT_EQ(PassageTimers(ends, from), timers) << from;
    EXPECT_TRUE(PassageTimers({7660}, 0).empty());
    EXPECT_TRUE(PassageTimers({}, 0).empty());
    for (const auto& [at, passage] :
         std::vector<std::pair<int, int>>{{0, 0}, {4999, 0}, {5000, 1}, {12000, 2}, {26000, 4}}) {
        EXPECT_EQ(PassageAt(ends, at), passage) << at;
    }
    EXPECT_EQ(PassageAt({}, 100), 0);
}

TEST(PositionLabel, MinutesSecondsMilliseconds) {
    const std::pair<int, const char*> cases[] = {{0, "00.00.000"},        {83456, "01.23.456"},
                                                 {59999, "00.59.999"},    {60000, "01.00.000"},
                                                 {6000001, "100.00.001"}, {-5, "00.00.000"}};
    for (const auto& [ms, label] : cases) EXPECT_EQ(PositionLabel(ms), label) << ms;
}

TEST(ProgressWidth, ProportionalRoundedHalvesToEvenAndBounded) {
    struct Case {
        int width;
        double lengthMs;
        int positionMs, expected;
    };
    for (const Case& c : {Case{600, 26000.0, 13000, 300}, Case{600, 26000.0, 10000, 231},
                          Case{100, 8000.0, 180, 2}, Case{100, 8000.0, 20, 0},
                          Case{100, 800.0, 20, 2} /* 2.5 */, Case{100, 800.0, 28, 4} /* 3.5 */,
                          Case{600, 26000.0, 30000, 600}, Case{600, 0.0, 100, 0}}) {
        EXPECT_EQ(ProgressWidth(c.width, c.lengthMs, c.positionMs), c.expected) << c.positionMs;
    }
}

}  // namespace
}  // namespace ritmora
