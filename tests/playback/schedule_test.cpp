#include "playback/schedule.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ritmora {
namespace {

TEST(MarkerTimers, OneTimerPerStrokeButTheLast) {
    // 8 quarters at 60 BpM: the strokes end each second.
    const std::vector<int> ends{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000};
    const auto timers = MarkerTimers(ends);
    ASSERT_EQ(timers.size(), 7u);
    EXPECT_EQ(timers.front(), (TimerDue{1, 1000}));
    EXPECT_EQ(timers.back(), (TimerDue{7, 7000}));
    EXPECT_TRUE(MarkerTimers({}).empty());
    EXPECT_TRUE(MarkerTimers({1000}).empty()) << "a one-stroke usul only has its end timer";
}

TEST(MarkerTimers, LoopsLongerThanAThousandStrokesKeepEveryIdentifier) {
    std::vector<int> ends(1500);
    std::iota(ends.begin(), ends.end(), 1);
    for (int& e : ends) e *= 200;
    const auto timers = MarkerTimers(ends);
    ASSERT_EQ(timers.size(), 1499u);
    EXPECT_EQ(timers[1000], (TimerDue{1001, 1001 * 200}));
    EXPECT_EQ(timers.back(), (TimerDue{1499, 1499 * 200}));
}

TEST(EndTimers, RoundHalvesToEven) {
    EXPECT_EQ(UsulEndTimerMs(296000.0), 296000);
    EXPECT_EQ(UsulEndTimerMs(1000.5), 1000);
    EXPECT_EQ(UsulEndTimerMs(1001.5), 1002);
    EXPECT_EQ(PlanEndTimerMs(20000.4, 12000), 8000);
    EXPECT_EQ(PlanEndTimerMs(20000.0, 25000), 0) << "a position past the end ends at once";
}

class PassageTimersTest : public ::testing::Test {
  protected:
    // Five passages ending at 5, 10, 15, 20 and 26 s.
    const std::vector<int> ends{5000, 10000, 15000, 20000, 26000};
};

TEST_F(PassageTimersTest, FromTheStartEveryPassageButTheLastSwitches) {
    const auto timers = PassageTimers(ends, 0);
    EXPECT_EQ(timers, (std::vector<TimerDue>{{1, 5000}, {2, 10000}, {3, 15000}, {4, 20000}}));
    EXPECT_EQ(PlanEndTimerMs(26000.0, 0), 26000);
}

TEST_F(PassageTimersTest, FromTheThirdPassageNothingIsArmedForTheFirstTwo) {
    const int start = ends[1];  // the end of passage 2 is where passage 3 begins
    const auto timers = PassageTimers(ends, start);
    EXPECT_EQ(timers, (std::vector<TimerDue>{{3, 5000}, {4, 10000}}));
    EXPECT_EQ(PlanEndTimerMs(26000.0, start), 16000);
}

TEST_F(PassageTimersTest, APauseAtTwelveSecondsRearmsOnlyLaterPassages) {
    const auto timers = PassageTimers(ends, 12000);
    EXPECT_EQ(timers, (std::vector<TimerDue>{{3, 3000}, {4, 8000}}));
    EXPECT_EQ(PlanEndTimerMs(26000.0, 12000), 14000);
    // Exactly at a passage end that passage's timer is not armed again.
    EXPECT_EQ(PassageTimers(ends, 15000), (std::vector<TimerDue>{{4, 5000}}));
}

TEST_F(PassageTimersTest, ASinglePassagePlanArmsOnlyTheEndTimer) {
    EXPECT_TRUE(PassageTimers({7660}, 0).empty());
    EXPECT_TRUE(PassageTimers({}, 0).empty());
}

TEST_F(PassageTimersTest, PassageAtFollowsTheEnds) {
    EXPECT_EQ(PassageAt(ends, 0), 0);
    EXPECT_EQ(PassageAt(ends, 4999), 0);
    EXPECT_EQ(PassageAt(ends, 5000), 1);
    EXPECT_EQ(PassageAt(ends, 12000), 2);
    EXPECT_EQ(PassageAt(ends, 26000), 4);
    EXPECT_EQ(PassageAt({}, 100), 0);
}

TEST(PositionLabel, MinutesSecondsMilliseconds) {
    EXPECT_EQ(PositionLabel(0), "00.00.000");
    EXPECT_EQ(PositionLabel(83456), "01.23.456");
    EXPECT_EQ(PositionLabel(59999), "00.59.999");
    EXPECT_EQ(PositionLabel(60000), "01.00.000");
    EXPECT_EQ(PositionLabel(296000), "04.56.000");
    EXPECT_EQ(PositionLabel(100 * 60000 + 1), "100.00.001");
    EXPECT_EQ(PositionLabel(-5), "00.00.000");
}

TEST(ProgressWidth, ProportionalRoundedAndBounded) {
    EXPECT_EQ(ProgressWidth(600, 26000.0, 0), 0);
    EXPECT_EQ(ProgressWidth(600, 26000.0, 13000), 300);
    EXPECT_EQ(ProgressWidth(600, 26000.0, 26000), 600);
    EXPECT_EQ(ProgressWidth(100, 8000.0, 100), 1);  // 1.25
    EXPECT_EQ(ProgressWidth(100, 8000.0, 180), 2);  // 2.25
    EXPECT_EQ(ProgressWidth(100, 8000.0, 420), 5);  // 5.25
    EXPECT_EQ(ProgressWidth(100, 8000.0, 20), 0);   // 0.25
    EXPECT_EQ(ProgressWidth(100, 800.0, 20), 2);    // 2.5 goes to even
    EXPECT_EQ(ProgressWidth(100, 800.0, 28), 4);    // 3.5 goes to even
    EXPECT_EQ(ProgressWidth(600, 26000.0, 30000), 600);
    EXPECT_EQ(ProgressWidth(600, 0.0, 100), 0) << "an empty file shows no bar";
    // A plan started from its third passage starts the bar at that position.
    EXPECT_EQ(ProgressWidth(600, 26000.0, 10000), 231);
}

}  // namespace
}  // namespace ritmora
