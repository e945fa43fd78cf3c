#include "plans/qt/rehearsal_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "app/main_window.h"
#include "app/picture_box.h"
#include "notation/qt/notation_view.h"
#include "plans/qt/plan_panel.h"

namespace ritmora {
namespace {

constexpr int kBandHeight = 100;  // the controls below the notation

}  // namespace

int RehearsalView::LoweredTop() const { return window_.InnerHeight() + 2; }

bool RehearsalView::IsRaised() const { return window_.Controls().Frame5->y() != LoweredTop(); }

void RehearsalView::Slide(int direction) {
    // The slide holds the window, as it always has; only painting goes on meanwhile.
    sliding_ = true;
    const WindowControls& c = window_.Controls();
    for (int step = 0; step < kSlideSteps; ++step) {
        for (QWidget* frame : {static_cast<QWidget*>(c.Frame5), static_cast<QWidget*>(c.Frame9),
                               static_cast<QWidget*>(c.Frame10)}) {
            frame->move(frame->x(), frame->y() + direction * kSlideStepPixels);
        }
        CoverBand();
        window_.repaint();
        QElapsedTimer waited;
        waited.start();
        do {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents,
                                            std::max(1, stepDelayMs_ - int(waited.elapsed())));
        } while (waited.elapsed() < stepDelayMs_);
    }
    sliding_ = false;
}

void RehearsalView::CoverBand() {
    const WindowControls& c = window_.Controls();
    const int bandTop = window_.InnerHeight() - kBandHeight;
    const bool covered = c.Frame5->y() <= bandTop;
    if (!covered) {
        for (const QPointer<QWidget>& widget : coveredBand_) {
            if (widget) widget->show();
        }
        coveredBand_.clear();
        return;
    }
    if (!coveredBand_.empty()) return;
    // Wholly under the panels, give or take the width of a frame's edge.
    const int margin = 8;
    const int left = c.Frame5->x() - margin;
    const int right = c.Frame9->geometry().right() + margin;
    for (QWidget* widget :
         window_.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect place = widget->geometry();
        if (widget == c.Frame5 || widget == c.Frame9 || widget == c.Frame10 ||
            !widget->isVisible() || place.top() < bandTop || place.left() < left ||
            place.right() > right) {
            continue;
        }
        widget->hide();
        coveredBand_.emplace_back(widget);
    }
}

void RehearsalView::EnterPlanMode() {
    if (sliding_) return;
    const WindowControls& c = window_.Controls();
    window_.ShowPlanPauseCaption();
    c.Command1->setEnabled(false);
    c.Command3->setEnabled(false);
    c.Frame10->show();
    c.Frame9->show();
    c.Frame5->show();
    // Raised once: a second raise would carry the panels off the window.
    if (!IsRaised()) Slide(-1);

    panel_.RefreshFileList();
    // The first plan opens quietly: a fault of a saved plan shows when it is chosen or started.
    entering_ = true;
    if (c.File1->count() > 0) c.File1->setCurrentRow(0);
    entering_ = false;
    c.Picture1->hide();
    window_.SabitListeYap();
    c.Picture4->show();
    c.Command2->setEnabled(true);
}

void RehearsalView::LeavePlanMode() {
    if (sliding_) return;
    const WindowControls& c = window_.Controls();
    c.Picture1->show();
    c.Picture4->hide();
    c.Picture3->hide();
    if (IsRaised()) Slide(+1);
    // The plan playback showed its passages in the picture: the editor's usul comes back.
    window_.ShowEditorUsul();
}

void RehearsalView::Command2_Click() {
    const WindowControls& c = window_.Controls();
    c.Picture4->hide();
    c.Picture3->show();
    c.Picture3->raise();
    c.Command2->setEnabled(false);
}

void RehearsalView::Image3_Click() {
    const WindowControls& c = window_.Controls();
    c.Picture3->hide();
    c.Picture4->show();
    c.Command2->setEnabled(true);
}

}  // namespace ritmora
