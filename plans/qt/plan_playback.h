#pragma once
// Rendering the selected plan and playing it: start from the passage selected in List3, pause
// and continue, stop, the end and passage timers, the running time and the progress bar, and
// the notation of the sounding passage.
#include <QColor>
#include <filesystem>
#include <memory>
#include <vector>

#include "playback/qt/timers.h"
#include "playback/schedule.h"

#include "plans/passage.h"
#include "plans/qt/plan_state.h"
#include "sound/sample_bank.h"

class QObject;

namespace ritmora {

class ArayüzKalıp;
class PlanPanel;
class Player;
class RenderJob;
struct PlanRenderResult;

class PlanPlayback {
  public:
    // `player` is the program's one player ("zemo"); the timers are children of `owner`.
    PlanPlayback(ArayüzKalıp& window, PlanState& plan, PlanPanel& panel, Player& player,
                 QObject* owner);
    ~PlanPlayback();

    void Command4_Click();  // Start: closes the help panel, then DataYapEser
    void DataYapEser();
    void Command1_Click();  // pause / continue
    void Command3_Click();  // stop
    void TimerWav_Timer();
    // Shows the usul of passage `index` (0-based, as List3 counts) in the notation picture, in
    // place of the editor's (which it never changes).
    void CalınanUsulüGöster(int index);
    void PassageTimerProc(int id);
    void PlanEndTimerProc();
    // The player reports that the sound has begun: the schedule starts from here.
    void PlayerStarted();

    // The timers armed last: from where, the end timer's delay and the passage timers.
    struct Schedule {
        int fromMs = 0;
        int endMs = 0;
        std::vector<TimerDue> passages;
    };
    const Schedule& LastSchedule() const { return lastSchedule_; }

    // A plan is sounding or paused.
    bool IsActive() const { return playing_ || paused_; }
    bool IsPlaying() const { return playing_; }
    bool IsPaused() const { return paused_; }
    // A long plan renders on a worker; the window waits for it with a progress bar.
    bool IsRendering() const;
    const RenderJob* Job() const { return job_.get(); }
    // Stops a sounding or paused plan (the usul playback takes the player).
    void StopIfActive();
    TimerBank& Timers() { return *timers_; }
    Player& PlanPlayer() { return player_; }

  private:
    // Starts the worker; false when it cannot have its own library handle.
    bool RenderInBackground(const std::vector<PassageSpec>& passages, Instrument instrument,
                            const std::filesystem::path& folder,
                            const std::filesystem::path& composition);
    // DataYapEser after the rendering: its faults shown, or the composition played.
    void PlayRendered(const PlanRenderResult& rendered);
    void ArmTimers(int fromMs);
    // Timer id of `family`, due after dueMs, for the moment the player reaches atMs.
    void ArmFollowing(TimerFamily family, int id, double atMs, int dueMs);
    void KillTimers();
    void SetPositionColour(const QColor& colour);
    void SetPlaying(bool playing, bool paused);
    // List3 shows the passages of the plan just rendered (it may hold another plan's, typed
    // and saved since the selected file was opened).
    void ShowRenderedPassages();

    ArayüzKalıp& window_;
    PlanState& plan_;
    PlanPanel& panel_;
    Player& player_;
    TimerBank* timers_;
    bool playing_ = false;
    bool paused_ = false;         // the pause button offers "Continue"
    bool awaitingStart_ = false;  // the schedule waits for the sound to begin
    int startMs_ = 0;             // where the playback started
    Schedule lastSchedule_;
    std::unique_ptr<RenderJob> job_;
};

}  // namespace ritmora
