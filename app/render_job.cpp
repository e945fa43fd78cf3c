#include "app/render_job.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/main_window.h"

namespace ritmora {
namespace {

constexpr int kPanelWidth = 380;
constexpr int kPanelHeight = 96;
constexpr int kBarSteps = 1000;
constexpr int kPollMs = 100;

QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsTimer(const QObject* control) { return qobject_cast<const QTimer*>(control) != nullptr; }

// The control's own flag: a widget that is off only because its frame is off counts as on, so
// that giving the frame back its state gives the widget its own.
bool EnabledFlag(const QObject* control) {
    if (const auto* widget = qobject_cast<const QWidget*>(control)) {
        return !widget->testAttribute(Qt::WA_ForceDisabled);
    }
    if (const auto* action = qobject_cast<const QAction*>(control)) return action->isEnabled();
    return false;
}

void SetEnabledFlag(QObject* control, bool enabled) {
    if (auto* widget = qobject_cast<QWidget*>(control)) {
        widget->setEnabled(enabled);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setEnabled(enabled);
    }
}

}  // namespace

std::function<void(double)> RenderJobControl::Reporter(double from, double to) const {
    std::atomic<double>* progress = progress_;
    return [progress, from, to](double fraction) {
        progress->store(from + (to - from) * std::clamp(fraction, 0.0, 1.0));
    };
}

RenderControl RenderJobControl::Render(double from, double to) const {
    return {stop_, Reporter(from, to)};
}

AudioProgress RenderJobControl::Audio(double from, double to) const {
    return {Reporter(from, to), cancel_};
}

RenderJob::RenderJob(ArayüzKalıp& window, std::string_view captionName,
                     std::vector<QObject*> keepUsable, Work work, Calls calls)
    : window_(window), calls_(std::move(calls)) {
    Hold(keepUsable);
    ShowPanel(captionName);
    window_.installEventFilter(this);
    RenderJobControl control(stopSource_.get_token(), &cancel_, &progress_);
    worker_ = std::jthread([this, control, work = std::move(work)] {
        try {
            work(control);
        } catch (...) {
            // The work reports its own failures in its result; nothing may end the program.
        }
        QMetaObject::invokeMethod(
            this, [this] { WorkReturned(); }, Qt::QueuedConnection);
    });
}

RenderJob::~RenderJob() { Stop(); }

void RenderJob::Stop() {
    cancel_.store(true);
    stopSource_.request_stop();
    if (worker_.joinable()) worker_.join();
    if (!running_) return;
    running_ = false;
    Release();
}

void RenderJob::WorkReturned() {
    if (!running_) return;  // stopped meanwhile: the result is not wanted
    if (worker_.joinable()) worker_.join();
    running_ = false;
    Release();
    // The owner may start the next job from here; nothing of this one is touched afterwards.
    const std::function<void()> finished = calls_.finished;
    if (finished) finished();
}

void RenderJob::RequestCancel() {
    if (!running_) return;
    if (calls_.cancel) {
        calls_.cancel();
    } else {
        Stop();
    }
}

bool RenderJob::eventFilter(QObject* watched, QEvent* event) {
    // The window is closing: the work ends now, before the window's own shutdown runs.
    if (watched == &window_ && event->type() == QEvent::Close) RequestCancel();
    return QObject::eventFilter(watched, event);
}

void RenderJob::Hold(const std::vector<QObject*>& keepUsable) {
    focus_ = QApplication::focusWidget();
    for (QObject* control : window_.RegisteredControls()) {
        if (IsTimer(control)) continue;
        if (std::find(keepUsable.begin(), keepUsable.end(), control) != keepUsable.end()) continue;
        held_.emplace_back(control, EnabledFlag(control));
    }
    for (const auto& [control, enabled] : held_) SetEnabledFlag(control, false);
}

void RenderJob::Release() {
    for (const auto& [control, enabled] : held_) {
        if (control) SetEnabledFlag(control, enabled);
    }
    held_.clear();
    if (focus_ && focus_->isEnabled()) focus_->setFocus(Qt::OtherFocusReason);
    if (poll_ != nullptr) poll_->stop();
    if (panel_) {
        panel_->hide();
        panel_->deleteLater();
    }
}

void RenderJob::ShowPanel(std::string_view captionName) {
    QWidget* area = window_.centralWidget();
    auto* panel = new QFrame(area);
    panel->setObjectName(QStringLiteral("RenderProgress"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setGeometry((area->width() - kPanelWidth) / 2,
                       (window_.InnerHeight() - 100 - kPanelHeight) / 2, kPanelWidth, kPanelHeight);
    auto* layout = new QVBoxLayout(panel);
    const Language language = window_.language();
    layout->addWidget(new QLabel(Qs(CaptionText(language, captionName)), panel));
    bar_ = new QProgressBar(panel);
    bar_->setObjectName(QStringLiteral("RenderProgressBar"));
    bar_->setRange(0, kBarSteps);
    layout->addWidget(bar_);
    auto* cancel = new QPushButton(Qs(CaptionText(language, "RenderProgress.cancel")), panel);
    cancel->setObjectName(QStringLiteral("RenderProgressCancel"));
    cancel->setAutoDefault(false);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    connect(cancel, &QPushButton::clicked, this, [this] { RequestCancel(); });
    panel->show();
    panel->raise();
    panel_ = panel;

    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, [this] {
        if (panel_) bar_->setValue(static_cast<int>(progress_.load() * kBarSteps));
    });
    poll_->start();
}

}  // namespace ritmora
