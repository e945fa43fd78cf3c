#include "playback/qt/timers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QTest>

namespace ritmora {
namespace {

using QTest::qWaitFor;

TEST(TimerBank, FamiliesNeverShareIdentifiers) {
    TimerBank bank;
    std::vector<std::string> fired;
    bank.Arm(TimerFamily::Marker, 1001, 10, [&] { fired.push_back("marker 1001"); });
    bank.Arm(TimerFamily::UsulEnd, 1001, 40, [&] { fired.push_back("usul end"); });
    bank.Arm(TimerFamily::Passage, 1, 20, [&] { fired.push_back("passage 1"); });
    bank.Arm(TimerFamily::PlanEnd, 1, 60, [&] { fired.push_back("plan end"); });
    bank.Arm(TimerFamily::Marker, 1, 30, [&] { fired.push_back("marker 1"); });
    EXPECT_EQ(bank.ArmedCount(TimerFamily::Marker), 2);
    EXPECT_TRUE(bank.IsArmed(TimerFamily::UsulEnd, 1001));
    ASSERT_TRUE(qWaitFor([&] { return fired.size() == 5; }, 5000));
    EXPECT_EQ(fired, (std::vector<std::string>{"marker 1001", "passage 1", "marker 1", "usul end",
                                               "plan end"}));
    EXPECT_EQ(bank.ArmedCount(TimerFamily::Marker), 0);
}

TEST(TimerBank, ManyMarkerTimersFireInOrderBesideTheEndTimer) {
    TimerBank bank;
    std::vector<int> fired;
    bool ended = false;
    // A five-minute loop can schedule more than a thousand strokes.
    for (int k = 1; k <= 1200; ++k) {
        bank.Arm(TimerFamily::Marker, k, k / 10, [&, k] { fired.push_back(k); });
    }
    bank.Arm(TimerFamily::UsulEnd, 1001, 200, [&] { ended = true; });
    EXPECT_EQ(bank.ArmedCount(TimerFamily::Marker), 1200);
    ASSERT_TRUE(qWaitFor([&] { return ended; }, 10000));
    ASSERT_EQ(fired.size(), 1200u);
    for (std::size_t i = 1; i < fired.size(); ++i) {
        EXPECT_LE(fired[i - 1] / 10, fired[i] / 10) << "timers due earlier fire first";
    }
}

// Waits for a timer of another family due after everything a test armed: whatever has not
// fired by then never will.
bool AllDueHaveFired(TimerBank& bank, int afterMs) {
    bool sentinel = false;
    bank.Arm(TimerFamily::UsulEnd, 999, afterMs, [&] { sentinel = true; });
    return qWaitFor([&] { return sentinel; }, 5000);
}

TEST(TimerBank, KillingIsPreciseAndHarmless) {
    TimerBank bank;
    std::vector<int> fired;
    for (int k = 1; k <= 6; ++k)
        bank.Arm(TimerFamily::Passage, k, 20, [&, k] { fired.push_back(k); });
    bank.Arm(TimerFamily::Marker, 3, 20, [&] { fired.push_back(103); });
    bank.Arm(TimerFamily::PlanEnd, 1, 20, [&] { fired.push_back(-1); });
    bank.Kill(TimerFamily::Passage, 99);  // never armed
    bank.Kill(TimerFamily::Passage, 1);
    bank.KillRange(TimerFamily::Passage, 3, 5);
    bank.KillRange(TimerFamily::Passage, 9, 2);  // empty range
    bank.KillAll(TimerFamily::PlanEnd);
    bank.KillAll(TimerFamily::PlanEnd);
    EXPECT_FALSE(bank.IsArmed(TimerFamily::Passage, 4));
    EXPECT_TRUE(bank.IsArmed(TimerFamily::Marker, 3)) << "another family is untouched";
    ASSERT_TRUE(AllDueHaveFired(bank, 60));
    std::sort(fired.begin(), fired.end());
    EXPECT_EQ(fired, (std::vector<int>{2, 6, 103}));
}

TEST(TimerBank, ReArmingReplacesAndAFiredTimerIsGoneBeforeItsCallback) {
    TimerBank bank;
    int first = 0;
    int second = 0;
    bank.Arm(TimerFamily::PlanEnd, 1, 10, [&] { ++first; });
    bank.Arm(TimerFamily::PlanEnd, 1, 30, [&] {
        ++second;
        EXPECT_FALSE(bank.IsArmed(TimerFamily::PlanEnd, 1));
        if (second < 3) bank.Arm(TimerFamily::PlanEnd, 1, 5, [&] { ++second; });
    });
    ASSERT_TRUE(qWaitFor([&] { return second == 2; }, 5000));
    EXPECT_EQ(first, 0) << "the replaced timer never fires";
    EXPECT_FALSE(bank.IsArmed(TimerFamily::PlanEnd, 1));
}

TEST(TimerBank, ACallbackMayKillTheRestOfItsFamily) {
    TimerBank bank;
    std::vector<int> fired;
    for (int k = 1; k <= 5; ++k) {
        bank.Arm(TimerFamily::Marker, k, 10 * k, [&, k] {
            fired.push_back(k);
            if (k == 2) bank.KillRange(TimerFamily::Marker, 2, 5);  // the stop handler
        });
    }
    ASSERT_TRUE(AllDueHaveFired(bank, 80));
    EXPECT_EQ(fired, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace ritmora
