#pragma once
// Usul playback from the editor: the start button renders the usul on screen into
// "Shablon.---" and plays it, a blue marker jumps from stroke to stroke over the notation as the
// strokes sound, and the stop button (or the end of the file) stops it all and unlocks the
// window. A long rendering runs on a worker; the stop button then cancels it.
#include <QObject>
#include <filesystem>
#include <memory>

#include "app/render_job.h"
#include "playback/qt/beat_marker.h"
#include "playback/qt/player.h"
#include "playback/qt/timers.h"
#include "sound/usul_renderer.h"

namespace ritmora {

class ArayüzKalıp;

// Whether any cell holds a stroke. The cells are counted, not the stored total, which an edited
// record may not have brought up to date.
bool UsulHasStrokes(const UsulRecord& usul);

// No Q_OBJECT: moc cannot read the window's class name; nothing here needs signals.
class PlaybackPanel : public QObject {
  public:
    static constexpr int kUsulEndTimerId = 1001;
    static constexpr const char* kRenderedFileName = "Shablon.---";

    // Plays through the program's one player; the window owns the panel.
    PlaybackPanel(ArayüzKalıp& window, Player& player);

    // Handlers, public so that tests and shortcuts can run them as a click does.
    void But_Baslat_Click();
    void But_dur_Click();
    // Stroke `stroke`'s time is up: the marker moves on to stroke + 1.
    void MarkerTimerProc(int stroke);
    void UsulEndTimerProc();

    // The window is going: sound and timers stop at once, the marker goes; no unlocking.
    void StopSound();

    // How the usul would be rendered now: the metronome value, unit note, instrument and loop.
    UsulRenderOptions RenderOptions() const;

    bool IsPlaying() const { return isPlaying_; }
    // A rendering runs on the worker; the window waits for it with a progress bar.
    bool IsRendering() const { return job_ && job_->IsRunning(); }
    const RenderJob* Job() const { return job_.get(); }
    // The last stroke whose marker timer fired, 0 before the first.
    int CurrentStroke() const { return currentStroke_; }
    // The stroke whose circle is on the notation now, 0 when none is.
    int MarkerStroke() const { return markerStroke_; }
    const UsulSchedule& Schedule() const { return schedule_; }
    std::filesystem::path RenderedFile() const;
    Player& AudioPlayer() { return player_; }
    const TimerBank& Timers() const { return timers_; }
    const BeatMarker& Marker() const { return marker_; }
    // Whether the marker and end timers wait for the player to start sounding.
    bool WaitingForSound() const { return waitingForStart_; }

  private:
    void RenderInBackground(const UsulRecord& usul, const UsulRenderOptions& options);
    // The handler after the rendering: its faults shown, or the file played and followed.
    void PlayRendered(const UsulRenderResult& result);
    void OnPlayerStarted();
    void ArmEndTimer(double fromMs);
    void Halt();
    void ShowMarker(int stroke);
    void HideMarker();
    void ToggleMarker(int stroke);

    ArayüzKalıp& window_;
    Player& player_;
    TimerBank timers_;
    BeatMarker marker_;
    UsulSchedule schedule_;
    std::unique_ptr<RenderJob> job_;
    bool isPlaying_ = false;
    bool waitingForStart_ = false;
    int currentStroke_ = 0;
    int markerStroke_ = 0;
};

}  // namespace ritmora
