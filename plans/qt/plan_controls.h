#pragma once
// The plan mode of the main window, wired to the window's plan controls: the editing and
// saved-plan panels, the rehearsal view with its help panel, and plan playback.
//
// The window builds it once with the program's player; everything it creates is parented to the
// window.
#include <QObject>
#include <memory>

#include "plans/qt/plan_panel.h"
#include "plans/qt/plan_playback.h"
#include "plans/qt/plan_state.h"
#include "plans/qt/rehearsal_view.h"

class QLabel;

namespace ritmora {

class ArayüzKalıp;
class Player;

class PlanControls : public QObject {
  public:
    // Plays through `player`, the program's one player, which the usul playback shares.
    PlanControls(ArayüzKalıp& window, Player& player);
    ~PlanControls() override;

    PlanState& Plan() { return plan_; }
    PlanPanel& Panel() { return panel_; }
    PlanPlayback& Playback() { return playback_; }
    RehearsalView& View() { return view_; }

    // Redraws the help panel's two example pictures in the window's language.
    void DrawExamplePictures();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Wire();
    // Another entry of File1 was selected (by a click or by the keys): that plan opens.
    void File1_SelectionChanged();

    ArayüzKalıp& window_;
    PlanState plan_;
    PlanPanel panel_;
    Player& player_;
    PlanPlayback playback_;
    RehearsalView view_;
    QLabel* savedPlansPicture_ = nullptr;
    QLabel* sequencesPicture_ = nullptr;
};

}  // namespace ritmora
