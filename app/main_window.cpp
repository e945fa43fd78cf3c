#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <QCloseEvent>
#include <QDir>
#include <QRadioButton>
#include <QUrl>
#include <set>
#include <utility>

#include "app/data_folder.h"
#include "app/editing_panel.h"
#include "app/message_box.h"
#include "app/picture_box.h"
#include "app/playback_panel.h"
#include "app/sample_bank_menu.h"
#include "export/qt/export_actions.h"
#include "library/default_library.h"
#include "notation/edit_rules.h"
#include "notation/qt/notation_view.h"
#include "notation/spacing_table.h"
#include "plans/qt/plan_controls.h"

namespace ritmora {
namespace {

QFont SansSerifFont(double points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(points);
    return font;
}

QFont FixedPitchFont(double points) {
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Courier New"))
                     ? QFont(QStringLiteral("Courier New"))
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(points);
    return font;
}

}  // namespace

ArayüzKalıp::ArayüzKalıp(const std::filesystem::path& dataFolder,
                         std::optional<Player::Output> output, QWidget* parent)
    : QMainWindow(parent), dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("ArayüzKalıp"));
    notationFont_ = SansSerifFont(8);
    listFont_ = FixedPitchFont(8.25);
    setFont(SansSerifFont(8));
    setFixedSize(1024, 768);  // before the controls: the band stands at the bottom
    BuildControls();
    ApplyCaptions(Language::Turkish, CaptionGroup::kFixed);
    WireHandlers();
    BuildPanels(output);
    FormLoad();
}

ArayüzKalıp::~ArayüzKalıp() {
    // Closing the sound server's output can run a nested event loop: close it while every widget
    // still stands, after the panels that use the player are gone.
    delete std::exchange(plans_, nullptr);
    delete std::exchange(playback_, nullptr);
    delete std::exchange(player_, nullptr);
    model_.CloseLibrary();
}

// Every panel gets what it works on when it is made; none looks another up later.
void ArayüzKalıp::BuildPanels(std::optional<Player::Output> output) {
    // The program's one player: a plan and an usul never sound together.
    player_ = output ? new Player(*output, this) : new Player(this);
    player_->setObjectName(QStringLiteral("zemo"));
    sampleBank_ = new SampleBankMenu(*this);
    editing_ = new EditingPanel(*this, model_);
    playback_ = new PlaybackPanel(*this, *player_);
    plans_ = new PlanControls(*this, *player_);
    ConnectExportActions(*this);
}

// The start-up, in the order the window needs it: size, fonts, texts, lists, unit note and
// tempo, the library and its colour, the unit-note step, the layout and the empty staff.
void ArayüzKalıp::FormLoad() {
    setFixedSize(1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        move(available.x() + (available.width() - width()) / 2,
             available.y() + (available.height() - height()) / 2);
    }
    controls_.Picture1->setFont(notationFont_);
    controls_.imajPenceresi->setFont(notationFont_);
    SetTurkishTexts();
    controls_.List1->hide();
    controls_.List2->hide();
    controls_.VScroll1->setValue(120);
    VScroll1_Change();

    LibraryOpenResult opened = UsulLibrary::EnsureAndOpen(dataFolder_, DefaultLibraryBytes());
    if (!opened.library) {
        ShowMessageBox(
            {this, QString::fromStdString(ApplicationTitle(Language::Turkish)),
             QString::fromStdString(LibraryOpenFailureText(opened.status, opened.path, true)),
             false});
        startedOk_ = false;
        return;
    }
    model_.SetLibrary(std::move(opened.library));
    SettingsRecord settings;
    if (model_.Library().ReadSettings(settings)) currentSettings_ = settings;

    controls_.But_Dur->setEnabled(false);
    controls_.List1->raise();
    controls_.List2->raise();
    controls_.Frame5->raise();
    renklendir(currentSettings_.backRed, currentSettings_.backGreen, currentSettings_.backBlue);
    (void)StandardSpacingTable();
    EkranDizayn();
    göster();  // the empty staff, "4" in the denominator box and the eighth in the unit box
    startedOk_ = true;
}

void ArayüzKalıp::WireHandlers() {
    WindowControls& c = controls_;
    connect(&model_, &EditorModel::changed, this, [this] { göster(); });
    connect(c.But_yükle, &QPushButton::clicked, this, [this] { But_yükle_Click(); });
    connect(c.But_önceki, &QPushButton::clicked, this, [this] { But_önceki_Click(); });
    connect(c.But_sonraki, &QPushButton::clicked, this, [this] { But_sonraki_Click(); });
    connect(c.But_kaydet, &QPushButton::clicked, this, [this] { But_kaydet_Click(); });
    connect(c.But_farklı, &QPushButton::clicked, this, [this] { But_farklı_Click(); });
    connect(c.But_Sil, &QPushButton::clicked, this, [this] { But_Sil_Click(); });
    connect(c.But_Temizle, &QPushButton::clicked, this, [this] { But_Temizle_Click(); });
    connect(c.Text2, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.SetBeatsBox(text.toStdString()); });
    connect(c.Text3, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.SetMertebeBox(text.toStdString()); });
    connect(c.Text5, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.SetNameBox(text.toStdString()); });
    connect(c.Mn_Lisanlar, &QAction::triggered, this, [this] { Mn_Lisanlar_Click(); });
    connect(c.Mn_yardm, &QAction::triggered, this, [this] { Mn_yardm_Click(); });
    connect(c.Mn_bilgi, &QAction::triggered, this, [this] { Mn_bilgi_Click(); });
    connect(c.PicBirimNota, &PictureBox::clicked, this, [this] { PicBirimNota_Click(); });
    connect(c.VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    for (QAction* item : c.Mn_birimItems) {
        connect(item, &QAction::triggered, this,
                [this, item] { controls_.Text3->setText(item->text()); });
    }
}

QObject* ArayüzKalıp::Control(std::string_view name) const {
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const QPointer<QObject>& control : registry_) {
        if (control && control->objectName() == wanted) return control;
    }
    return nullptr;
}

std::vector<QObject*> ArayüzKalıp::RegisteredControls() const {
    std::vector<QObject*> controls;
    for (const QPointer<QObject>& control : registry_) {
        if (control) controls.push_back(control);
    }
    return controls;
}

void ArayüzKalıp::RegisterControl(QObject* control) {
    if (control == nullptr || control->objectName().isEmpty()) return;
    for (const QPointer<QObject>& known : registry_) {
        if (known == control) return;
    }
    registry_.emplace_back(control);
}

void ArayüzKalıp::ShowMessage(int index) { ShowText(MessageText(language_, index)); }

void ArayüzKalıp::ShowText(const std::string& text) {
    ShowMessageBox({this, QString::fromStdString(ApplicationTitle(language_)),
                    QString::fromStdString(text), false});
}

bool ArayüzKalıp::AskMessage(int index, const QStringList& arguments) {
    QString text = QString::fromStdString(MessageText(language_, index));
    for (const QString& argument : arguments) text = text.arg(argument);
    return ShowMessageBox({this, QString::fromStdString(ApplicationTitle(language_)), text, true});
}

void ArayüzKalıp::ShowNotices(const std::vector<std::string>& notices) {
    std::set<std::string> shown;
    for (const std::string& notice : notices) {
        if (shown.insert(notice).second) ShowText(notice);
    }
}

Instrument ArayüzKalıp::ChosenInstrument() const {
    if (controls_.Option1[0]->isChecked()) return Instrument::Kudum;
    if (controls_.Option1[1]->isChecked()) return Instrument::Bendir;
    return Instrument::Def;
}

bool ArayüzKalıp::InPlanMode() const { return controls_.Option4->isChecked(); }

bool ArayüzKalıp::NotationEditable() const {
    const NotationView* picture = controls_.Picture1;
    return picture->isVisible() && picture->isEnabled() && !InPlanMode() && !passage_;
}

void ArayüzKalıp::Mn_yardm_Click() {
    // The guide of the window's language, as a link that opens it; a guide gone missing is
    // still named, so the user knows what to look for.
    const std::filesystem::path guide = UserGuidePath(ProgramFolder(), language_);
    QString place = QString::fromUtf8(UserGuideFileName(language_)).toHtmlEscaped();
    if (!guide.empty()) {
        const QString file = QString::fromStdU16String(guide.u16string());
        place = QStringLiteral("<a href=\"%1\">%2</a>")
                    .arg(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded),
                         QDir::toNativeSeparators(file).toHtmlEscaped());
    }
    QString text = QString::fromStdString(MessageText(language_, kHelpMessage)).toHtmlEscaped();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    ShowMessageBox(
        {this, QString::fromStdString(ApplicationTitle(language_)), text.arg(place), false, true});
}

void ArayüzKalıp::Mn_bilgi_Click() { ShowMessage(kAboutMessage); }

void ArayüzKalıp::VScroll1_Change() {
    controls_.Label5->setText(
        QStringLiteral("= %1").arg(BpmOfTempoScroll(controls_.VScroll1->value())));
}

bool ArayüzKalıp::eventFilter(QObject* watched, QEvent* event) {
    const WindowControls& c = controls_;
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        for (QListWidget* list : {c.List1, c.List2}) {
            if (watched != list->viewport()) continue;
            const QModelIndex index = list->indexAt(press->position().toPoint());
            const int line = index.isValid() ? index.row() : -1;
            if (list == c.List1) {
                List1_MouseDown(press->button(), line);
            } else {
                List2_MouseDown(press->button(), line);
            }
            return true;
        }
        if (watched == c.Label1 && press->button() == Qt::LeftButton) {
            göster();
            return false;
        }
        if (watched == c.Text3 && press->button() == Qt::LeftButton && c.Text3->isEnabled()) {
            c.Mn_birim->popup(press->globalPosition().toPoint());
            return false;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void ArayüzKalıp::closeEvent(QCloseEvent* event) {
    // Closing the window silences it before anything else goes.
    playback_->StopSound();
    QMainWindow::closeEvent(event);
}

}  // namespace ritmora
