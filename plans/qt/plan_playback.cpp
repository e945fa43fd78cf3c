#include "plans/qt/plan_playback.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <system_error>

#include "app/main_window.h"
#include "app/message_numbers.h"
#include "app/picture_box.h"
#include "app/render_job.h"
#include "notation/geometry.h"
#include "notation/qt/notation_view.h"
#include "notation/relayout.h"
#include "notation/transforms.h"
#include "plans/plan_file.h"
#include "plans/qt/panel_support.h"
#include "plans/qt/plan_panel.h"
#include "playback/qt/player.h"
#include "playback/qt/timers.h"
#include "playback/schedule.h"
#include "sound/plan_renderer.h"

namespace ritmora {
namespace {

const QColor kRunningColour(0, 128, 0);
const QColor kHaltedColour(192, 0, 0);
const QColor kProgressColour(0, 255, 0);
constexpr const char* kCompositionFile = "Eser.---";

}  // namespace

PlanPlayback::PlanPlayback(ArayüzKalıp& window, PlanState& plan, PlanPanel& panel, Player& player,
                           QObject* owner)
    : window_(window), plan_(plan), panel_(panel), player_(player), timers_(new TimerBank(owner)) {}

PlanPlayback::~PlanPlayback() = default;

bool PlanPlayback::IsRendering() const { return job_ && job_->IsRunning(); }

void PlanPlayback::StopIfActive() {
    if (IsActive()) Command3_Click();
}

void PlanPlayback::Command4_Click() {
    const WindowControls& c = window_.Controls();
    c.Picture3->hide();
    c.Command2->setEnabled(true);
    DataYapEser();
}

void PlanPlayback::DataYapEser() {
    const auto file = panel_.SelectedPlanFile();
    if (!file) {
        window_.ShowMessage(message::kSelectAPlan);
        return;
    }
    window_.EkranKiliti(ScreenState::kPlanPlaying);

    // The file is checked again: it may have been edited outside the program.
    const PlanReadResult read = ReadPlanForRendering(ReadPlanFileText(*file), window_.Library());
    if (read.messageIndex != 0) {
        ShowPlanFault(window_, read.messageIndex, read.line);
        window_.EkranKiliti(ScreenState::kPlanStopped);
        return;
    }
    std::vector<std::string> names;
    for (const PassageSpec& passage : read.passages) names.push_back(passage.name);
    plan_.SetPassages(std::move(names));

    const Instrument instrument = window_.ChosenInstrument();
    const std::filesystem::path folder = panel_.PlanFolder();
    const std::filesystem::path composition = folder / kCompositionFile;
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    // The device lets go of the old composition before it is replaced.
    player_.StopClose();
    if (RendersInBackground(ExpectedPlanLength(read.passages, window_.Library()))) {
        if (RenderInBackground(read.passages, instrument, folder, composition)) return;
    }
    PlayRendered(RenderPlan(read.passages, window_.Library(), instrument, folder, composition));
}

bool PlanPlayback::RenderInBackground(const std::vector<PassageSpec>& passages,
                                      Instrument instrument, const std::filesystem::path& folder,
                                      const std::filesystem::path& composition) {
    // The worker reads the library through a handle of its own: the window's stays with the
    // window's thread. Without one the plan renders here, as a short one does.
    std::shared_ptr<UsulLibrary> library =
        UsulLibrary::EnsureAndOpen(window_.Library().Path().parent_path(), {}).library;
    if (!library) return false;
    auto result = std::make_shared<PlanRenderResult>();
    auto work = [result, library, passages, instrument, folder,
                 composition](const RenderJobControl& control) {
        *result = RenderPlan(passages, *library, instrument, folder, composition, control.Render());
        library->Close();
    };
    const WindowControls& c = window_.Controls();
    job_ = std::make_unique<RenderJob>(
        window_, "RenderProgress.render", std::vector<QObject*>{c.Frame10, c.Command3},
        std::move(work),
        RenderJob::Calls{[this, result] { PlayRendered(*result); }, [this] { Command3_Click(); }});
    return true;
}

void PlanPlayback::PlayRendered(const PlanRenderResult& rendered) {
    const WindowControls& c = window_.Controls();
    window_.ShowNotices(rendered.notices);
    if (rendered.messageIndex == kRenderCancelledMessage) {
        window_.EkranKiliti(ScreenState::kPlanStopped);
        return;
    }
    if (rendered.messageIndex != 0) {
        window_.ShowMessage(rendered.messageIndex);
        window_.EkranKiliti(ScreenState::kPlanStopped);
        return;
    }
    if (!rendered.written) {
        ShowPlanText(window_,
                     PlanFileFailureText(window_, PlanFileAction::kWrite, rendered.writeError));
        window_.EkranKiliti(ScreenState::kPlanStopped);
        return;
    }
    plan_.PassageEndMs = rendered.passageEndMs;
    plan_.PassageUsuls = rendered.passageUsuls;
    plan_.PlayDurationMs = rendered.playDurationMs;

    ShowRenderedPassages();
    const int selected = c.List3->currentRow();
    const int k = selected > 0 && selected < plan_.PassageCount() ? selected : 0;
    const int from = k > 0 ? plan_.PassageEndMs[static_cast<std::size_t>(k - 1)] : 0;
    plan_.currentPassage = k;
    CalınanUsulüGöster(k);

    SetPlaying(true, false);
    SetPositionColour(kRunningColour);
    c.Label3->setText(Utf8(PositionLabel(from)));
    startMs_ = from;
    const std::filesystem::path composition = panel_.PlanFolder() / kCompositionFile;
    if (player_.Open(QString::fromStdU16String(composition.u16string()))) {
        // The schedule follows what is heard: it starts when the sound does.
        awaitingStart_ = true;
        player_.Play(from);
    } else {
        // A file the player cannot take plays nothing; the plan still runs its course.
        ArmTimers(from);
    }
    c.TimerWav->start();
}

void PlanPlayback::ShowRenderedPassages() {
    QListWidget* list = window_.Controls().List3;
    bool same = list->count() == plan_.PassageCount();
    for (int i = 0; same && i < list->count(); ++i) {
        same = list->item(i)->text() == Utf8(plan_.PassageNames[static_cast<std::size_t>(i)]);
    }
    if (same) return;
    const int selected = list->currentRow();
    list->clear();
    for (const std::string& name : plan_.PassageNames) list->addItem(Utf8(name));
    list->setCurrentRow(selected >= 0 && selected < list->count() ? selected : 0);
}

void PlanPlayback::PlayerStarted() {
    if (!awaitingStart_) return;
    awaitingStart_ = false;
    if (playing_) ArmTimers(startMs_);
}

void PlanPlayback::ArmTimers(int fromMs) {
    lastSchedule_ = {fromMs, PlanEndTimerMs(plan_.PlayDurationMs, fromMs),
                     PassageTimers(plan_.PassageEndMs, fromMs)};
    ArmFollowing(TimerFamily::PlanEnd, 1, plan_.PlayDurationMs, lastSchedule_.endMs);
    for (const TimerDue& due : lastSchedule_.passages) {
        ArmFollowing(TimerFamily::Passage, due.id,
                     plan_.PassageEndMs[static_cast<std::size_t>(due.id - 1)], due.dueMs);
    }
}

void PlanPlayback::ArmFollowing(TimerFamily family, int id, double atMs, int dueMs) {
    timers_->Arm(family, id, dueMs, [this, family, id, atMs] {
        // The display follows what is heard: when the sound has fallen behind the clock (a
        // busy sound server), the timer waits for it.
        const double heard = player_.PositionExactMs();
        if ((player_.IsPlaying() || player_.IsPaused()) && heard + 0.25 < atMs) {
            ArmFollowing(family, id, atMs, static_cast<int>(std::ceil(atMs - heard)));
            return;
        }
        if (family == TimerFamily::PlanEnd) {
            PlanEndTimerProc();
        } else {
            PassageTimerProc(id);
        }
    });
}

void PlanPlayback::KillTimers() {
    timers_->KillAll(TimerFamily::PlanEnd);
    timers_->KillAll(TimerFamily::Passage);
}

void PlanPlayback::SetPositionColour(const QColor& colour) {
    QLabel* label = window_.Controls().Label3;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void PlanPlayback::SetPlaying(bool playing, bool paused) {
    playing_ = playing;
    paused_ = paused;
    window_.ShowPlanPauseCaption();
}

void PlanPlayback::Command1_Click() {
    const WindowControls& c = window_.Controls();
    if (playing_) {
        player_.Pause();
        awaitingStart_ = false;
        KillTimers();
        SetPositionColour(kHaltedColour);
        c.TimerWav->stop();
        SetPlaying(false, true);
    } else if (paused_) {
        SetPositionColour(kRunningColour);
        ArmTimers(player_.PositionMs());
        c.TimerWav->start();
        player_.Resume();
        SetPlaying(true, false);
    }
}

void PlanPlayback::Command3_Click() {
    const WindowControls& c = window_.Controls();
    // A rendering under way ends first: what it would have written is never played.
    if (job_) job_->Stop();
    player_.StopClose();
    awaitingStart_ = false;
    SetPositionColour(kHaltedColour);
    KillTimers();
    c.TimerWav->stop();
    SetPlaying(false, false);
    if (plan_.currentPassage < c.List3->count()) c.List3->setCurrentRow(plan_.currentPassage);
    c.Picture1->hide();
    c.Picture5->hide();
    c.Picture4->show();
    window_.EkranKiliti(ScreenState::kPlanStopped);
    c.Picture2->ClearPicture(Qt::white);
    c.Picture2->update();
}

void PlanPlayback::PlanEndTimerProc() { Command3_Click(); }

void PlanPlayback::PassageTimerProc(int id) {
    QListWidget* list = window_.Controls().List3;
    if (id >= 0 && id < list->count()) list->setCurrentRow(id);
    CalınanUsulüGöster(id);
}

void PlanPlayback::TimerWav_Timer() {
    const WindowControls& c = window_.Controls();
    const int position = player_.PositionMs();
    QImage& bar = c.Picture2->Picture();
    const int width = ProgressWidth(bar.width(), plan_.PlayDurationMs, position);
    if (width > 0) {
        QPainter painter(&bar);
        painter.fillRect(QRect(0, 0, width, bar.height()), kProgressColour);
    }
    c.Picture2->update();
    c.Label3->setText(Utf8(PositionLabel(position)));
}

void PlanPlayback::CalınanUsulüGöster(int index) {
    if (index < 0 || index >= static_cast<int>(plan_.PassageUsuls.size())) return;
    const WindowControls& c = window_.Controls();
    c.Picture4->hide();
    c.Picture5->hide();
    const int slot = plan_.PassageUsuls[static_cast<std::size_t>(index)];
    UsulRecord usul;
    if (!window_.Library().ReadSlot(slot, usul)) usul = UsulRecord{};
    // Four rows would run under the raised plan panels: lay it out tighter.
    if (RowCountForLastRing(MevcutHalka(usul)) == kMaxRows) Shorten(usul);
    window_.ShowPassageUsul(slot, usul);
    c.Picture1->show();
}

}  // namespace ritmora
