// The notation in the window: the full redraw, the empty staff, the time signature and its
// completeness status, and the unit-note box.
#include <QLabel>
#include <QLineEdit>

#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/usul_boxes.h"
#include "notation/geometry.h"
#include "notation/qt/notation_painter.h"
#include "notation/qt/notation_view.h"
#include "notation/relayout.h"

namespace ritmora {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void ArayüzKalıp::göster() {
    NotationView* picture = controls_.Picture1;
    const int lastRing = MevcutHalka(model_.CurrentUsul);
    const int rows = RowCountForLastRing(lastRing);
    picture->SetPictureSize(kNotationWidth, kRowHeight * rows);
    picture->move(26, NotationPictureTop(InnerHeight(), rows));

    const Language language = model_.language;
    const LoudnessLetters letters{Qs(MessageText(language, 19)), Qs(MessageText(language, 20)),
                                  Qs(MessageText(language, 21))};
    const int total =
        DrawNotation(picture->Picture(), model_.CurrentUsul, glyphs_, letters, notationFont_);
    picture->update();

    model_.CurrentUsul.totalDuration = static_cast<std::int16_t>(total);
    ShowCompletenessStatus();
    controls_.Text4->setText(QString::number(total));
    model_.SelectedRing = 0;
}

void ArayüzKalıp::BoşPorte() {
    DrawEmptyStaff(controls_.Picture1->Picture());
    controls_.Picture1->update();
}

void ArayüzKalıp::ShowCompletenessStatus() {
    const Completeness status =
        CompareTotals(model_.ExpectedTotal, model_.CurrentUsul.totalDuration);
    QLabel* label = controls_.Label4;
    label->setText(Qs(MessageText(model_.language, StatusMessage(status))));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     status == Completeness::kMatch ? QColor(0, 128, 0) : QColor(255, 0, 0));
    label->setPalette(palette);
}

void ArayüzKalıp::TimeSignatureChanged() {
    const auto expected = ExpectedTotalFromBoxes(controls_.Text2->text().toStdString(),
                                                 controls_.Text3->text().toStdString());
    if (expected) model_.ExpectedTotal = *expected;
    ShowCompletenessStatus();
    SetSlotLabel(model_.CurrentSlot);
    controls_.Text4->setText(QString::number(model_.CurrentUsul.totalDuration));
}

void ArayüzKalıp::Label1_Change() { göster(); }

void ArayüzKalıp::PicBirimNota_Click() {
    model_.UnitNote = model_.UnitNote == 4 ? 8 : model_.UnitNote == 8 ? 16 : 4;
    PaintUnitNoteBox();
    VScroll1_Change();
}

}  // namespace ritmora
