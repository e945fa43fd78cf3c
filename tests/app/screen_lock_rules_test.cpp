#include "app/screen_lock_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ritmora {
namespace {

bool Disables(const ScreenLockPlan& plan, std::string_view control) {
    return std::find(plan.steps.begin(), plan.steps.end(),
                     LockStep{LockAction::kDisable, control}) != plan.steps.end();
}

TEST(ScreenLockRules, FixedSlotLockCoversNothingLoadedAndFixedSlots) {
    for (int slot : {0, 1, 12, 200}) {
        const ScreenLockPlan plan = ScreenLockPlanFor(3, slot);
        for (std::string_view control : FixedSlotLockSet()) EXPECT_TRUE(Disables(plan, control));
    }
    for (int slot : {201, 205, 255}) {
        const ScreenLockPlan plan = ScreenLockPlanFor(3, slot);
        ASSERT_EQ(plan.steps.size(), 1u);  // only the stop button
        EXPECT_EQ(plan.steps[0], (LockStep{LockAction::kDisable, "But_Dur"}));
    }
    EXPECT_EQ(FixedSlotLockSet().size(), 8u);
}

TEST(ScreenLockRules, LoadAndSaveAsStatesPutTheNotationBackBeforeTheLock) {
    const ScreenLockPlan load = ScreenLockPlanFor(4, 12);
    EXPECT_EQ(load.sweep, Sweep::kEnableAllButTimers);
    ASSERT_GE(load.steps.size(), 4u);
    EXPECT_EQ(load.steps[0], (LockStep{LockAction::kDisable, "But_Dur"}));
    EXPECT_EQ(load.steps[1], (LockStep{LockAction::kShow, "Picture1"}));
    EXPECT_EQ(load.steps[2], (LockStep{LockAction::kHide, "List1"}));
    EXPECT_EQ(load.steps[3], (LockStep{LockAction::kDisable, "But_Sil"}));
    const ScreenLockPlan saveAs = ScreenLockPlanFor(6, 230);
    ASSERT_EQ(saveAs.steps.size(), 3u);
    EXPECT_EQ(saveAs.steps[2], (LockStep{LockAction::kHide, "List2"}));
}

TEST(ScreenLockRules, SweepsOfListAndPlayStates) {
    EXPECT_EQ(ScreenLockPlanFor(1, 205).sweep, Sweep::kDisableAll);
    EXPECT_EQ(ScreenLockPlanFor(1, 205).steps.back(), (LockStep{LockAction::kEnable, "But_Dur"}));
    EXPECT_EQ(ScreenLockPlanFor(5, 0).sweepException, "List1");
    EXPECT_TRUE(ScreenLockPlanFor(5, 0).steps.empty());
    EXPECT_EQ(ScreenLockPlanFor(7, 0).sweepException, "List2");
    EXPECT_EQ(ScreenLockPlanFor(7, 0).sweep, Sweep::kDisableAllButOne);
}

TEST(ScreenLockRules, PlanStatesMirrorEachOther) {
    const ScreenLockPlan playing = ScreenLockPlanFor(8, 0);
    const ScreenLockPlan stopped = ScreenLockPlanFor(9, 0);
    EXPECT_EQ(playing.sweep, Sweep::kNone);
    ASSERT_EQ(playing.steps.size(), 15u);
    ASSERT_EQ(stopped.steps.size(), 15u);
    EXPECT_EQ(playing.steps.front(), (LockStep{LockAction::kDisable, "File1"}));
    EXPECT_EQ(playing.steps[12], (LockStep{LockAction::kDisable, "List3"}));
    EXPECT_EQ(playing.steps[14], (LockStep{LockAction::kEnable, "Command1"}));
    EXPECT_EQ(stopped.steps[0], (LockStep{LockAction::kDisable, "Command3"}));
    EXPECT_EQ(stopped.steps[2], (LockStep{LockAction::kEnable, "File1"}));
}

TEST(ScreenLockRules, OtherStatesChangeNothing) {
    for (int durum : {0, 2, 10, -1, 99}) {
        const ScreenLockPlan plan = ScreenLockPlanFor(durum, 12);
        EXPECT_EQ(plan.sweep, Sweep::kNone);
        EXPECT_TRUE(plan.steps.empty());
    }
}

}  // namespace
}  // namespace ritmora
