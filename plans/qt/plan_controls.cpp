#include "plans/qt/plan_controls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "app/main_window.h"
#include "plans/qt/example_pictures.h"
#include "playback/qt/player.h"

namespace ritmora {
namespace {

// The program has one player: the one already in the window (the usul playback's, when that
// is installed first: the device holds one file, so a plan and an usul never sound together),
// else the window's "zemo", made here.
Player* ThePlayer(ArayüzKalıp& window) {
    const QString name = QString::fromLatin1(kPlayerObjectName);
    if (auto* named = window.findChild<Player*>(name)) return named;
    if (auto* existing = window.findChild<Player*>()) return existing;
    auto* player = new Player(&window);
    player->setObjectName(name);
    return player;
}

QLabel* PictureIn(QGroupBox* frame, const QString& name) {
    auto* label = new QLabel(frame);
    label->setObjectName(name);
    label->setGeometry(8, 20, frame->width() - 16, frame->height() - 28);
    label->show();
    return label;
}

}  // namespace

PlanControls::PlanControls(ArayüzKalıp& window)
    : QObject(&window),
      window_(window),
      keeper_(window),
      panel_(window, plan_),
      player_(ThePlayer(window)),
      playback_(window, plan_, panel_, keeper_, *player_, this),
      view_(window, panel_, keeper_) {
    setObjectName(QStringLiteral("PlanControls"));
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
    connect(c.File1, &QListWidget::itemClicked, this, [this] { panel_.File1_Click(); });
    connect(c.Command10, &QPushButton::clicked, this, [this] { panel_.Command10_Click(); });
    connect(c.Command5, &QPushButton::clicked, this, [this] { panel_.Command5_Click(); });
    connect(c.Command4, &QPushButton::clicked, this, [this] { playback_.Command4_Click(); });
    connect(c.Command1, &QPushButton::clicked, this, [this] { playback_.Command1_Click(); });
    connect(c.Command3, &QPushButton::clicked, this, [this] { playback_.Command3_Click(); });
    connect(c.TimerWav, &QTimer::timeout, this, [this] { playback_.TimerWav_Timer(); });
    connect(player_, &Player::started, this, [this] { playback_.PlayerStarted(); });
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
    // Runs after the window's own handler: the pictures follow the new language.
    connect(c.Mn_Lisanlar, &QAction::triggered, this, [this] { DrawExamplePictures(); });
    // The player holds one file: starting an usul stops a sounding plan first (pressed comes
    // before the usul start's click).
    connect(c.But_Baslat, &QPushButton::pressed, this, [this] {
        if (playback_.IsActive()) playback_.Command3_Click();
    });
}

PlanControls* InstallPlanPanel(ArayüzKalıp& window) {
    // Once per window: a second call finds the first one's controls.
    for (QObject* child : window.children()) {
        if (auto* installed = dynamic_cast<PlanControls*>(child)) return installed;
    }
    return new PlanControls(window);
}

}  // namespace ritmora
