#include "app/playback_panel.h"

#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/main_window.h"
#include "app/message_numbers.h"
#include "app/startup_rules.h"
#include "notation/edit_rules.h"
#include "notation/geometry.h"
#include "notation/qt/notation_painter.h"
#include "notation/qt/notation_view.h"
#include "plans/qt/plan_controls.h"
#include "playback/schedule.h"

namespace ritmora {

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.generic_u16string());
}

}  // namespace

bool UsulHasStrokes(const UsulRecord& usul) {
    for (int i = 1; i <= kCellCount; ++i) {
        const StrokeCell& cell = usul.Cell(i);
        if (cell.rightDuration != 0 || cell.leftDuration != 0) return true;
    }
    return false;
}

PlaybackPanel::PlaybackPanel(ArayüzKalıp& window, Player& player)
    : QObject(&window), window_(window), player_(player), marker_(player_) {
    const WindowControls& c = window_.Controls();
    connect(c.But_Baslat, &QPushButton::clicked, this, [this] { But_Baslat_Click(); });
    connect(c.But_Dur, &QPushButton::clicked, this, [this] { But_dur_Click(); });
    connect(&player_, &Player::started, this, &PlaybackPanel::OnPlayerStarted);
}

std::filesystem::path PlaybackPanel::RenderedFile() const {
    return VlvlFolder(window_.DataFolder()) / kRenderedFileName;
}

void PlaybackPanel::But_Baslat_Click() {
    if (isPlaying_) Halt();  // a new start never leaves the old marker or timers behind
    // The player holds one file: a sounding plan stops first, and the editor's usul comes back
    // to the picture that the marker runs over.
    window_.Plans().Playback().StopIfActive();
    window_.ShowEditorUsul();
    const UsulRecord& usul = window_.CurrentUsul();
    if (!UsulHasStrokes(usul)) {
        window_.ShowMessage(message::kNoBeats);
        return;
    }
    const WindowControls& c = window_.Controls();
    window_.EkranKiliti(ScreenState::kUsulPlaying);
    c.But_Dur->setEnabled(true);

    const UsulRenderOptions options = RenderOptions();
    if (RendersInBackground(ExpectedUsulLength(usul, options))) {
        RenderInBackground(usul, options);
        return;
    }
    PlayRendered(RenderUsul(usul, options, VlvlFolder(window_.DataFolder()), RenderedFile()));
}

UsulRenderOptions PlaybackPanel::RenderOptions() const {
    const WindowControls& c = window_.Controls();
    UsulRenderOptions options;
    options.bpm = BpmOfTempoScroll(c.VScroll1->value());
    options.unitNote = window_.UnitNote();
    options.instrument = window_.ChosenInstrument();
    options.looped = c.Option3->isChecked();
    return options;
}

void PlaybackPanel::RenderInBackground(const UsulRecord& usul, const UsulRenderOptions& options) {
    // The worker gets copies of everything it reads; the window keeps only the stop button.
    auto result = std::make_shared<UsulRenderResult>();
    const std::filesystem::path vlvl = VlvlFolder(window_.DataFolder());
    const std::filesystem::path file = RenderedFile();
    auto work = [result, usul, options, vlvl, file](const RenderJobControl& control) {
        *result = RenderUsul(usul, options, vlvl, file, control.Render());
    };
    const WindowControls& c = window_.Controls();
    job_ = std::make_unique<RenderJob>(
        window_, "RenderProgress.render", std::vector<QObject*>{c.Frame2, c.But_Dur},
        std::move(work),
        RenderJob::Calls{[this, result] { PlayRendered(*result); }, [this] { But_dur_Click(); }});
}

void PlaybackPanel::PlayRendered(const UsulRenderResult& result) {
    window_.ShowNotices(result.notices);
    if (!result.written) {
        if (result.messageIndex == kRenderCancelledMessage) {
            // The user's own cancel needs no message.
        } else if (result.messageIndex != 0) {
            window_.ShowMessage(result.messageIndex);
        } else {
            const QString text =
                QString::fromStdString(MessageText(window_.language(), message::kSoundFileFault))
                    .trimmed() +
                QStringLiteral("\n") + PathText(RenderedFile()) + QStringLiteral("\n") +
                QString::fromStdString(result.writeError);
            window_.ShowText(text.toStdString());
        }
        window_.EkranKiliti(ScreenState::kEditing);
        return;
    }

    schedule_ = result.schedule;
    isPlaying_ = true;
    currentStroke_ = 0;
    player_.StopClose();
    const bool opened = player_.Open(PathText(RenderedFile()));
    ShowMarker(1);
    if (opened) {
        // The marker and the end follow the sound: both wait until the player really plays.
        waitingForStart_ = true;
        marker_.Follow(schedule_.strokeEndMs, [this](int stroke) { MarkerTimerProc(stroke); });
        player_.Play(0);
    } else {
        // Nothing can sound; the marker still runs through the usul on the clock.
        ArmEndTimer(0.0);
        for (const TimerDue& due : MarkerTimers(schedule_.strokeEndMs)) {
            const int stroke = due.id;
            timers_.Arm(TimerFamily::Marker, stroke, due.dueMs,
                        [this, stroke] { MarkerTimerProc(stroke); });
        }
    }
}

void PlaybackPanel::OnPlayerStarted() {
    if (!waitingForStart_) return;
    waitingForStart_ = false;
    ArmEndTimer(player_.PositionExactMs());
}

void PlaybackPanel::ArmEndTimer(double fromMs) {
    timers_.Arm(TimerFamily::UsulEnd, kUsulEndTimerId,
                UsulEndTimerMs(schedule_.playDurationMs - fromMs), [this] { UsulEndTimerProc(); });
}

void PlaybackPanel::MarkerTimerProc(int stroke) {
    timers_.Kill(TimerFamily::Marker, stroke);
    if (!isPlaying_) return;
    HideMarker();
    ShowMarker(stroke + 1);
    currentStroke_ = stroke;
}

void PlaybackPanel::UsulEndTimerProc() {
    // The end follows the sound as the marker does: a server that started late or stalled
    // still has the rest of the file to play, so wait for it rather than cut it off.
    if (player_.IsPlaying() || player_.IsPaused()) {
        const double remaining = schedule_.playDurationMs - player_.PositionExactMs();
        if (remaining >= 1.0) {
            ArmEndTimer(player_.PositionExactMs());
            return;
        }
    }
    But_dur_Click();
}

void PlaybackPanel::But_dur_Click() {
    Halt();
    window_.EkranKiliti(ScreenState::kEditing);
}

void PlaybackPanel::StopSound() { Halt(); }

void PlaybackPanel::Halt() {
    // A rendering under way ends first: what it would have written is never played.
    if (job_) job_->Stop();
    player_.StopClose();
    timers_.Kill(TimerFamily::UsulEnd, kUsulEndTimerId);
    waitingForStart_ = false;
    // Only the circle that is on the picture is drawn again: a second stop, or the end timer
    // after a stop, must not leave a stray circle behind.
    HideMarker();
    marker_.Stop();
    timers_.KillAll(TimerFamily::Marker);
    isPlaying_ = false;
}

void PlaybackPanel::ShowMarker(int stroke) {
    if (stroke < 1 || stroke > static_cast<int>(schedule_.markerX.size())) return;
    ToggleMarker(stroke);
    markerStroke_ = stroke;
}

void PlaybackPanel::HideMarker() {
    if (markerStroke_ == 0) return;
    ToggleMarker(markerStroke_);
    markerStroke_ = 0;
}

void PlaybackPanel::ToggleMarker(int stroke) {
    const auto at = static_cast<std::size_t>(stroke - 1);
    NotationView* picture = window_.Controls().Picture1;
    ToggleBeatMarker(picture->Picture(), schedule_.markerX[at],
                     RingCentreY(schedule_.markerRow[at]));
    picture->update();
}

}  // namespace ritmora
