#include "app/screen_lock_rules.h"

#include <gtest/gtest.h>

namespace ritmora {
namespace {

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

}  // namespace
}  // namespace ritmora
