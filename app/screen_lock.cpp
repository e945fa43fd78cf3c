// EkranKiliti: applies a screen state's plan to the named controls. Each control is set on its
// own, so one that cannot take the change never stops the rest of the state.
#include <QAction>
#include <QTimer>
#include <QWidget>

#include "app/main_window.h"
#include "app/screen_lock_rules.h"

namespace ritmora {
namespace {

bool IsTimer(const QObject* control) { return qobject_cast<const QTimer*>(control) != nullptr; }

// Timers are switched off by disabling and are never started here.
void SetEnabled(QObject* control, bool enabled) {
    if (auto* widget = qobject_cast<QWidget*>(control)) {
        widget->setEnabled(enabled);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setEnabled(enabled);
    } else if (auto* timer = qobject_cast<QTimer*>(control)) {
        if (!enabled) timer->stop();
    }
}

void SetVisible(QObject* control, bool visible) {
    if (auto* widget = qobject_cast<QWidget*>(control)) {
        widget->setVisible(visible);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setVisible(visible);
    }
}

}  // namespace

void ArayüzKalıp::EkranKiliti(ScreenState state) {
    const ScreenLockPlan plan = ScreenLockPlanFor(state, model_.CurrentSlot());
    const QString exception = QString::fromUtf8(plan.sweepException.data(),
                                                static_cast<qsizetype>(plan.sweepException.size()));
    const std::vector<QObject*> controls = RegisteredControls();
    for (QObject* control : controls) {
        switch (plan.sweep) {
            case Sweep::kNone:
                break;
            case Sweep::kDisableAll:
                SetEnabled(control, false);
                break;
            case Sweep::kEnableAllButTimers:
                if (!IsTimer(control)) SetEnabled(control, true);
                break;
            case Sweep::kDisableAllButOne:
                if (control->objectName() != exception) SetEnabled(control, false);
                break;
        }
    }
    for (const LockStep& step : plan.steps) {
        QObject* control = Control(step.control);
        if (control == nullptr) continue;
        switch (step.action) {
            case LockAction::kEnable:
                SetEnabled(control, true);
                break;
            case LockAction::kDisable:
                SetEnabled(control, false);
                break;
            case LockAction::kShow:
                SetVisible(control, true);
                break;
            case LockAction::kHide:
                SetVisible(control, false);
                break;
        }
    }
}

void ArayüzKalıp::ApplyFixedSlotLock() {
    const bool enabled = !FixedSlotLockApplies(model_.CurrentSlot());
    for (std::string_view name : FixedSlotLockSet()) {
        if (QObject* control = Control(name)) SetEnabled(control, enabled);
    }
}

}  // namespace ritmora
