#pragma once
// The plan mode of the main window, wired to the window's plan controls: the editing and
// saved-plan panels, the rehearsal view with its help panel, and plan playback.
//
// The window's start-up calls InstallPlanPanel(window) once; everything it creates is parented
// to the window.
#include <QObject>
#include <memory>

#include "plans/qt/editor_keeper.h"
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
    // Shares the player already in the window (the usul playback's, when that is installed
    // first); else makes the window's player, named "zemo".
    explicit PlanControls(ArayüzKalıp& window);
    ~PlanControls() override;

    PlanState& Plan() { return plan_; }
    PlanPanel& Panel() { return panel_; }
    PlanPlayback& Playback() { return playback_; }
    RehearsalView& View() { return view_; }
    EditorKeeper& Keeper() { return keeper_; }

    // Redraws the help panel's two example pictures in the window's language.
    void DrawExamplePictures();

  private:
    void Wire();

    ArayüzKalıp& window_;
    PlanState plan_;
    EditorKeeper keeper_;
    PlanPanel panel_;
    Player* player_;
    PlanPlayback playback_;
    RehearsalView view_;
    QLabel* savedPlansPicture_ = nullptr;
    QLabel* sequencesPicture_ = nullptr;
};

// The object name of the program's one player: whoever comes first makes it, the others find it.
inline constexpr const char* kPlayerObjectName = "zemo";

// Wires every plan control of the window; the result lives as long as the window. A second
// call returns the controls the first one made.
PlanControls* InstallPlanPanel(ArayüzKalıp& window);

}  // namespace ritmora
