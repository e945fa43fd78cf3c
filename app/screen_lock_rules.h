#pragma once
// The screen states of the main window as data: which sweep a state starts with and which
// controls it then enables, disables, shows or hides, in order. The window applies a plan to its
// controls by name; keeping the rules here lets them be checked without a screen.
#include <span>
#include <string_view>
#include <vector>

namespace ritmora {

// The screen states of EkranKiliti, by the moment that asks for them.
enum class ScreenState {
    kUsulPlaying = 1,
    kEditing = 3,
    kAfterLoad = 4,
    kLoadListOpen = 5,
    kAfterSaveAs = 6,
    kSaveAsListOpen = 7,
    kPlanPlaying = 8,
    kPlanStopped = 9,
};

enum class Sweep {
    kNone,
    kDisableAll,          // every control, timers and menus included
    kEnableAllButTimers,  // every control that is not a timer (no timer is ever started)
    kDisableAllButOne,    // every control except the one named in sweepException
};

enum class LockAction { kEnable, kDisable, kShow, kHide };

struct LockStep {
    LockAction action;
    std::string_view control;
    bool operator==(const LockStep&) const = default;
};

struct ScreenLockPlan {
    Sweep sweep = Sweep::kNone;
    std::string_view sweepException;  // for kDisableAllButOne
    std::vector<LockStep> steps;      // applied after the sweep, in order
};

// The plan of state `durum` with `currentSlot` loaded. Meaningful states are 1 and 3..9; any
// other state gives an empty plan (no sweep, no steps): nothing changes.
ScreenLockPlan ScreenLockPlanFor(int durum, int currentSlot);
inline ScreenLockPlan ScreenLockPlanFor(ScreenState state, int currentSlot) {
    return ScreenLockPlanFor(static_cast<int>(state), currentSlot);
}

// The buttons that stay off while a fixed slot (1..200) or nothing (0) is loaded.
std::span<const std::string_view> FixedSlotLockSet();
bool FixedSlotLockApplies(int currentSlot);

}  // namespace ritmora
