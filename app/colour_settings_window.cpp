#include "app/colour_settings_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cstring>

#include "app/message_box.h"
#include "export/export_texts.h"

namespace ritmora {
namespace {

constexpr std::array<int, 3> kDefaultColour = {200, 185, 130};

}  // namespace

const char* ColourWindowCaption(Language language, const char* control) {
    const bool english = language == Language::English;
    if (std::strcmp(control, "Check1") == 0) return english ? "Make Permanent  " : "Kalıcı olsun  ";
    if (std::strcmp(control, "But_RenkTamam") == 0) return english ? "Apply " : "Uygula";
    if (std::strcmp(control, "Command1") == 0)
        return english ? "Revert to Default" : "Orijinal renk";
    return "";
}

FRenk::FRenk(QWidget* mainWindow, const SettingsRecord& current, Language language,
             ColourWindowCalls calls)
    : QWidget(nullptr, Qt::Dialog),
      mainWindow_(mainWindow),
      settings_(current),
      language_(language),
      calls_(std::move(calls)) {
    // No parent: a disabled parent would disable this window with it.
    setObjectName(QStringLiteral("FRenk"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(ApplicationTitle(Language::English)));
    setFixedSize(330, 190);

    for (int bar = 0; bar < 3; ++bar) {
        auto* scroll = new QScrollBar(Qt::Horizontal, this);
        scroll->setObjectName(QStringLiteral("HScroll%1").arg(bar + 1));
        scroll->setRange(0, 255);
        scroll->setGeometry(16, 16 + 28 * bar, 200, 18);
        connect(scroll, &QScrollBar::valueChanged, this,
                [this, bar](int value) { ScrollChanged(bar, value); });
        connect(scroll, &QScrollBar::sliderMoved, this,
                [this, bar](int value) { ScrollChanged(bar, value); });
        bars_[static_cast<std::size_t>(bar)] = scroll;
    }
    swatch_ = new QWidget(this);
    swatch_->setObjectName(QStringLiteral("PicRenk"));
    swatch_->setGeometry(232, 16, 80, 74);
    swatch_->setAutoFillBackground(true);

    permanent_ = new QCheckBox(QString::fromUtf8(ColourWindowCaption(language, "Check1")), this);
    permanent_->setObjectName(QStringLiteral("Check1"));
    permanent_->setGeometry(16, 104, 200, 22);

    auto* apply =
        new QPushButton(QString::fromUtf8(ColourWindowCaption(language, "But_RenkTamam")), this);
    apply->setObjectName(QStringLiteral("But_RenkTamam"));
    apply->setGeometry(16, 140, 140, 32);
    connect(apply, &QPushButton::clicked, this, [this] { But_RenkTamam_Click(); });

    auto* revert =
        new QPushButton(QString::fromUtf8(ColourWindowCaption(language, "Command1")), this);
    revert->setObjectName(QStringLiteral("Command1"));
    revert->setGeometry(172, 140, 140, 32);
    connect(revert, &QPushButton::clicked, this, [this] { Command1_Click(); });

    if (mainWindow_) {
        mainWindow_->setEnabled(false);
        mainWindow_->installEventFilter(this);
        connect(mainWindow_, &QObject::destroyed, this, [this] { close(); });
    }
    const std::array<int, 3> start = {current.backRed, current.backGreen, current.backBlue};
    for (std::size_t bar = 0; bar < 3; ++bar) {
        bars_[bar]->setValue(start[bar]);
        ScrollChanged(static_cast<int>(bar), bars_[bar]->value());  // also when it was already 0
    }
}

FRenk::~FRenk() { EnableMainWindow(); }

void FRenk::ScrollChanged(int bar, int value) {
    preview_[static_cast<std::size_t>(bar)] = static_cast<std::uint8_t>(value);
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, QColor(preview_[0], preview_[1], preview_[2]));
    swatch_->setPalette(palette);
    swatch_->update();
}

void FRenk::Command1_Click() {
    for (std::size_t bar = 0; bar < 3; ++bar) bars_[bar]->setValue(kDefaultColour[bar]);
}

void FRenk::But_RenkTamam_Click() {
    settings_.backRed = static_cast<std::uint8_t>(bars_[0]->value());
    settings_.backGreen = static_cast<std::uint8_t>(bars_[1]->value());
    settings_.backBlue = static_cast<std::uint8_t>(bars_[2]->value());
    EnableMainWindow();
    if (calls_.apply) calls_.apply(settings_);
    if (permanent_->isChecked() && calls_.store && !calls_.store(settings_)) {
        // The colour is in force, but it would silently be gone at the next start.
        ShowMessageBox({mainWindow_.data(), QString::fromStdString(ApplicationTitle(language_)),
                        QString::fromStdString(ColourNotStoredText(language_)), false});
    }
    close();
}

void FRenk::EnableMainWindow() {
    if (!mainWindow_) return;
    mainWindow_->removeEventFilter(this);
    mainWindow_->setEnabled(true);
}

void FRenk::closeEvent(QCloseEvent* event) {
    EnableMainWindow();
    event->accept();
}

void FRenk::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FRenk::eventFilter(QObject* watched, QEvent* event) {
    // The main window is closing: once it is really gone from the screen, go with it, so the
    // program can end and nothing is applied to a window that no longer shows.
    if (watched == mainWindow_ && event->type() == QEvent::Close) {
        QPointer<FRenk> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && (!self->mainWindow_ || !self->mainWindow_->isVisible())) self->close();
        });
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ritmora
