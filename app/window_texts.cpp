// The two languages of the window: captions by control name, the message language, the plan
// pause button's caption, the help panel's example and the redraw for the loudness letters.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/main_window.h"
#include "plans/qt/plan_controls.h"

namespace ritmora {
namespace {

QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetCaption(QObject* control, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        if (auto* owner = qobject_cast<QMenu*>(action->menu())) {
            owner->setTitle(text);
        } else if (!action->isSeparator()) {
            action->setText(text);
        }
    }
}

}  // namespace

void ArayüzKalıp::SetTurkishTexts() { ApplyTexts(Language::Turkish); }

void ArayüzKalıp::SetEnglishTexts() { ApplyTexts(Language::English); }

void ArayüzKalıp::ApplyCaptions(Language language, CaptionGroup group) {
    for (const Caption& caption : Captions()) {
        if (caption.group != group) continue;
        const QString text = Qs(language == Language::English ? caption.english : caption.turkish);
        if (caption.control == "ArayüzKalıp") {
            setWindowTitle(text);
        } else if (QObject* control = Control(caption.control)) {
            SetCaption(control, text);
        }
    }
}

void ArayüzKalıp::ApplyTexts(Language language) {
    // Captions of the usul mode, then the messages, then the plan mode and its panels, then the
    // help panel: the order every language switch follows.
    qtTexts_.Use(language);
    ApplyCaptions(language, CaptionGroup::kUsulMode);
    language_ = language;
    ApplyCaptions(language, CaptionGroup::kPlanMode);
    ShowPlanPauseCaption();
    // The running time reads the same in both languages and is a reading, not a caption: a
    // switch keeps the time it shows (a paused plan's above all).
    const QString runningTime = controls_.Label3->text();
    ApplyCaptions(language, CaptionGroup::kPlanPanel);
    if (!runningTime.isEmpty()) controls_.Label3->setText(runningTime);
    ApplyCaptions(language, CaptionGroup::kHelpPanel);
    QString example = Qs(ExampleDescriptionText(language));
    example.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    controls_.Text1->setPlainText(example);
    // The loudness letters drawn in the notation belong to the language.
    göster();
    plans_->DrawExamplePictures();
}

void ArayüzKalıp::ShowPlanPauseCaption() {
    const char* which = plans_->Playback().IsPaused() ? "Command1.continue" : "Command1.pause";
    controls_.Command1->setText(Qs(CaptionText(language_, which)));
}

void ArayüzKalıp::Mn_Lisanlar_Click() {
    const QString caption = controls_.Mn_Lisanlar->text();
    if (caption == QLatin1String("English")) {
        SetEnglishTexts();
    } else if (caption == QLatin1String("Turkce")) {
        SetTurkishTexts();
    }
}

}  // namespace ritmora
