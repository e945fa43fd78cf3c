// The notation in the window: the full redraw from the editor model (or from the passage that a
// plan plays), the empty staff, the completeness status and the unit-note box.
#include <QLabel>
#include <QLineEdit>

#include "app/main_window.h"
#include "app/message_numbers.h"
#include "app/picture_box.h"
#include "app/usul_boxes.h"
#include "export/qt/offscreen_notation.h"
#include "notation/edit_rules.h"
#include "notation/geometry.h"
#include "notation/qt/notation_painter.h"
#include "notation/qt/notation_view.h"
#include "notation/relayout.h"

namespace ritmora {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

// A box shows `text`; a box that holds it already keeps its cursor and its own undo.
void ShowInBox(QLineEdit* box, const std::string& text) {
    const QString shown = Qs(text);
    if (box->text() != shown) box->setText(shown);
}

}  // namespace

void ArayüzKalıp::göster() {
    const UsulRecord& usul = passage_ ? passage_->usul : model_.CurrentUsul();
    NotationView* picture = controls_.Picture1;
    const int rows = RowCountForLastRing(MevcutHalka(usul));
    picture->SetPictureSize(kNotationWidth, kRowHeight * rows);
    picture->move(26, NotationPictureTop(InnerHeight(), rows));
    const int total = DrawNotation(picture->Picture(), usul, glyphs_, LoudnessLettersFor(language_),
                                   notationFont_);
    picture->update();

    if (passage_) {
        // The passage is measured against its own time signature.
        controls_.Label1->setText(QString::number(passage_->slot));
        ShowStatus(passage_->usul.mertebe == 0
                       ? 0
                       : ritmora::ExpectedTotal(passage_->usul.beats, passage_->usul.mertebe),
                   total);
    } else {
        controls_.Label1->setText(QString::number(model_.ShownSlot()));
        ShowInBox(controls_.Text2, model_.BeatsBox());
        ShowInBox(controls_.Text3, model_.MertebeBox());
        ShowInBox(controls_.Text5, model_.NameBox());
        ShowStatus(model_.ExpectedTotal(), total);
        ShowSlotSource();
    }
    controls_.Text4->setText(QString::number(total));
    PaintUnitNoteBox();
    selectedRing_ = 0;
}

void ArayüzKalıp::ShowPassageUsul(int slot, const UsulRecord& usul) {
    passage_ = ShownPassage{slot, usul};
    göster();
}

void ArayüzKalıp::ShowEditorUsul() {
    if (!passage_) return;
    passage_.reset();
    göster();
}

void ArayüzKalıp::BoşPorte() {
    DrawEmptyStaff(controls_.Picture1->Picture());
    controls_.Picture1->update();
}

void ArayüzKalıp::ShowStatus(long long expected, int total) {
    const Completeness status = CompareTotals(expected, total);
    QLabel* label = controls_.Label4;
    label->setText(Qs(MessageText(language_, StatusMessage(status))));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     status == Completeness::kMatch ? QColor(0, 128, 0) : QColor(255, 0, 0));
    label->setPalette(palette);
}

void ArayüzKalıp::PicBirimNota_Click() { model_.SetUnitNote(NextUnitNote(model_.UnitNote())); }

}  // namespace ritmora
