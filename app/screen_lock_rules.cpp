#include "app/screen_lock_rules.h"

#include "library/usul_record.h"

namespace ritmora {
namespace {

constexpr std::string_view kFixedSlotLockSet[] = {
    "But_Sil",  "But_kaydet", "But_Temizle",    "But_optimize",
    "But_uzat", "But_kısalt", "But_mertebe(0)", "But_mertebe(1)",
};

// The plan panel in the order plan playback locks and unlocks it.
constexpr std::string_view kPlanPanelSet[] = {
    "File1", "Picture2", "Command4", "Command5", "Command10", "Command2", "Text14",
    "Text9", "Command8", "Option2",  "Option3",  "Option4",   "List3",
};

void AddFixedSlotLock(ScreenLockPlan& plan, int currentSlot) {
    if (!FixedSlotLockApplies(currentSlot)) return;
    for (std::string_view control : kFixedSlotLockSet) {
        plan.steps.push_back({LockAction::kDisable, control});
    }
}

// States 3, 4 and 6: everything usable, the stop button off, then (for 4 and 6) the notation
// back in place of the list, and the fixed-slot lock last.
ScreenLockPlan EditingPlan(int currentSlot, std::string_view listToHide) {
    ScreenLockPlan plan;
    plan.sweep = Sweep::kEnableAllButTimers;
    plan.steps.push_back({LockAction::kDisable, "But_Dur"});
    if (!listToHide.empty()) {
        plan.steps.push_back({LockAction::kShow, "Picture1"});
        plan.steps.push_back({LockAction::kHide, listToHide});
    }
    AddFixedSlotLock(plan, currentSlot);
    return plan;
}

}  // namespace

std::span<const std::string_view> FixedSlotLockSet() { return kFixedSlotLockSet; }

bool FixedSlotLockApplies(int currentSlot) { return currentSlot < kFirstUserSlot; }

ScreenLockPlan ScreenLockPlanFor(int durum, int currentSlot) {
    ScreenLockPlan plan;
    switch (durum) {
        case int(ScreenState::kUsulPlaying):
            plan.sweep = Sweep::kDisableAll;
            plan.steps = {{LockAction::kEnable, "Frame2"}, {LockAction::kEnable, "But_Dur"}};
            break;
        case int(ScreenState::kEditing):
            plan = EditingPlan(currentSlot, {});
            break;
        case int(ScreenState::kAfterLoad):
            plan = EditingPlan(currentSlot, "List1");
            break;
        case int(ScreenState::kLoadListOpen):
            plan.sweep = Sweep::kDisableAllButOne;
            plan.sweepException = "List1";
            break;
        case int(ScreenState::kAfterSaveAs):
            plan = EditingPlan(currentSlot, "List2");
            break;
        case int(ScreenState::kSaveAsListOpen):
            plan.sweep = Sweep::kDisableAllButOne;
            plan.sweepException = "List2";
            break;
        case int(ScreenState::kPlanPlaying):
            for (std::string_view control : kPlanPanelSet) {
                plan.steps.push_back({LockAction::kDisable, control});
            }
            plan.steps.push_back({LockAction::kEnable, "Command3"});
            plan.steps.push_back({LockAction::kEnable, "Command1"});
            break;
        case int(ScreenState::kPlanStopped):
            plan.steps.push_back({LockAction::kDisable, "Command3"});
            plan.steps.push_back({LockAction::kDisable, "Command1"});
            for (std::string_view control : kPlanPanelSet) {
                plan.steps.push_back({LockAction::kEnable, control});
            }
            break;
        default:
            break;
    }
    return plan;
}

}  // namespace ritmora
