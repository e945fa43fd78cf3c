#include "plans/qt/plan_controls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "app/main_window.h"
#include "plans/qt/example_pictures.h"
#include "playback/qt/player.h"

namespace ritmora {
namespace {

QLabel* PictureIn(QGroupBox* frame, const QString& name) {
    auto* label = new QLabel(frame);
    label->setObjectName(name);
    label->setGeometry(8, 20, frame->width() - 16, frame->height() - 28);
    label->show();
    return label;
}

}  // namespace

PlanControls::PlanControls(ArayüzKalıp& window, Player& player)
    : QObject(&window),
      window_(window),
      panel_(window, plan_),
      player_(player),
      playback_(window, plan_, panel_, player_, this),
      view_(window, panel_) {
    const WindowControls& c = window.Controls();
    savedPlansPicture_ = PictureIn(c.Frame13, QStringLiteral("Frame13Picture"));
    sequencesPicture_ = PictureIn(c.Frame14, QStringLiteral("Frame14Picture"));
    DrawExamplePictures();
    Wire();
}

PlanControls::~PlanControls() = default;

void PlanControls::DrawExamplePictures() {
    const Language language = window_.language();
    savedPlansPicture_->setPixmap(QPixmap::fromImage(DrawSavedPlansExample(
        savedPlansPicture_->size(), language, window_.ListFont(), window_.font())));
    sequencesPicture_->setPixmap(QPixmap::fromImage(DrawSequencesExample(
        sequencesPicture_->size(), language, window_.ListFont(), window_.font())));
}

void PlanControls::Wire() {
    const WindowControls& c = window_.Controls();
    connect(c.Command8, &QPushButton::clicked, this, [this] { panel_.ValidatePlan(); });
    connect(c.File1, &QListWidget::itemSelectionChanged, this,
            [this] { File1_SelectionChanged(); });
    c.File1->viewport()->installEventFilter(this);
    connect(c.Command10, &QPushButton::clicked, this, [this] { panel_.Command10_Click(); });
    connect(c.Command5, &QPushButton::clicked, this, [this] { panel_.Command5_Click(); });
    connect(c.Command4, &QPushButton::clicked, this, [this] { playback_.Command4_Click(); });
    connect(c.Command1, &QPushButton::clicked, this, [this] { playback_.Command1_Click(); });
    connect(c.Command3, &QPushButton::clicked, this, [this] { playback_.Command3_Click(); });
    connect(c.TimerWav, &QTimer::timeout, this, [this] { playback_.TimerWav_Timer(); });
    connect(&player_, &Player::started, this, [this] { playback_.PlayerStarted(); });
    connect(c.Option4, &QRadioButton::toggled, this, [this](bool on) {
        if (on) view_.EnterPlanMode();
    });
    for (QRadioButton* option : {c.Option2, c.Option3}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) view_.LeavePlanMode();
        });
    }
    connect(c.Command2, &QToolButton::clicked, this, [this] { view_.Command2_Click(); });
    connect(c.Image3, &QToolButton::clicked, this, [this] { view_.Image3_Click(); });
}

void PlanControls::File1_SelectionChanged() {
    if (panel_.SelectedPlanFile()) panel_.File1_Click(!view_.IsEntering());
}

bool PlanControls::eventFilter(QObject* watched, QEvent* event) {
    QListWidget* list = window_.Controls().File1;
    if (watched == list->viewport() && event->type() == QEvent::MouseButtonPress) {
        // A press on the plan that is selected already opens it again (the boxes may hold
        // other text by now); a press on another one selects it, which opens it.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QListWidgetItem* item = list->itemAt(at);
        if (item != nullptr && item->isSelected() && item == list->currentItem()) {
            panel_.File1_Click(true);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ritmora
