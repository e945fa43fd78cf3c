// The library in the window: the load and save-as lists, loading, stepping, saving, saving as,
// deleting, clearing, the usul reference table and the name box.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/screen_lock_rules.h"
#include "app/usul_boxes.h"
#include "library/cp1254.h"
#include "library/list_line.h"
#include "library/rounding.h"
#include "notation/qt/notation_view.h"

namespace ritmora {
namespace {

constexpr int kListWidth = 400;
constexpr int kListTop = 30;
constexpr int kListHeight = 560;
constexpr int kReferenceColumns = 5;
constexpr int kReferenceRows = 42;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

bool ArayüzKalıp::LoadCurrentSlot() {
    if (!model_.library) return false;
    UsulRecord record;
    if (!model_.library->ReadSlot(model_.CurrentSlot, record)) return false;
    model_.CurrentUsul = record;
    return true;
}

void ArayüzKalıp::ListeYap(int first, int last, QListWidget* list) {
    list->clear();
    for (int slot = first; slot <= last; ++slot) {
        UsulRecord record;
        if (!model_.library || !model_.library->ReadSlot(slot, record)) record = UsulRecord{};
        list->addItem(Qs(UsulListLine(slot, record)));
    }
    const QWidget* picture = controls_.Picture1;
    list->setGeometry(picture->x() + (picture->width() - kListWidth) / 2, kListTop, kListWidth,
                      kListHeight);
    list->scrollToTop();
    list->show();
    list->raise();
    EkranKiliti(list == controls_.List1 ? 5 : 7);
}

void ArayüzKalıp::SetSlotLabel(int slot) {
    const QString text = QString::number(slot);
    if (controls_.Label1->text() == text) return;
    controls_.Label1->setText(text);
    Label1_Change();
}

// Load step 2: the slot's record into CurrentUsul and the boxes. A failed read keeps the usul
// and the boxes as they were.
bool ArayüzKalıp::LoadIntoBoxes() {
    if (!LoadCurrentSlot()) {
        ShowMessage(1);
        return false;
    }
    const UsulRecord& usul = model_.CurrentUsul;
    controls_.Text2->setText(QString::number(usul.beats));
    controls_.Text3->setText(QString::number(usul.mertebe));
    controls_.Text5->setText(Qs(ShownText(usul.name)));
    const QString slotText = QString::number(model_.CurrentSlot);
    if (controls_.Label1->text() == slotText) {
        göster();  // the same slot again: still show what was read
    } else {
        SetSlotLabel(model_.CurrentSlot);
    }
    return true;
}

void ArayüzKalıp::But_yükle_Click() {
    controls_.Picture1->hide();
    ListeYap(1, kSlotCount, controls_.List1);
}

void ArayüzKalıp::List1_MouseDown(Qt::MouseButton button, int lineIndex) {
    if (button == Qt::LeftButton && lineIndex >= 0) {
        model_.CurrentSlot = lineIndex + 1;
        LoadIntoBoxes();
    }
    EkranKiliti(4);
}

void ArayüzKalıp::But_önceki_Click() {
    if (model_.CurrentSlot <= 1) return;
    --model_.CurrentSlot;
    if (LoadIntoBoxes()) EkranKiliti(4);
}

void ArayüzKalıp::But_sonraki_Click() {
    if (model_.CurrentSlot >= kSlotCount) return;
    ++model_.CurrentSlot;
    if (LoadIntoBoxes()) EkranKiliti(4);
}

// The two boxes' numbers as the bytes the record stores; a box without a number, or with one
// outside 0..255, is refused with a message.
bool ArayüzKalıp::ReadTimeSignatureBoxes(std::uint8_t& beats, std::uint8_t& mertebe) {
    const auto beatsByte = TimeSignatureByte(controls_.Text2->text().toStdString());
    const auto mertebeByte = TimeSignatureByte(controls_.Text3->text().toStdString());
    if (!beatsByte || !mertebeByte) {
        ShowMessage(kTimeSignatureRangeMessage);
        return false;
    }
    beats = *beatsByte;
    mertebe = *mertebeByte;
    return true;
}

bool ArayüzKalıp::WriteSlotReporting(int slot, const UsulRecord& record) {
    if (model_.library && model_.library->WriteSlot(slot, record)) return true;
    ShowMessage(kRecordWriteFailedMessage);
    return false;
}

void ArayüzKalıp::But_kaydet_Click() {
    // Only the user's slots are ever written; the button is off for the others.
    if (FixedSlotLockApplies(model_.CurrentSlot)) return;
    UsulRecord& usul = model_.CurrentUsul;
    const std::string name = controls_.Text5->text().toStdString();
    const int refusal = SaveRefusal(name, usul.totalDuration, model_.ExpectedTotal);
    if (refusal != 0) {
        ShowMessage(refusal);
        return;
    }
    std::uint8_t beats = 0;
    std::uint8_t mertebe = 0;
    if (!ReadTimeSignatureBoxes(beats, mertebe)) return;
    usul.name = FitText(name, kNameChars);
    usul.totalDuration =
        static_cast<std::int16_t>(BoxNumber(controls_.Text4->text().toStdString()));
    usul.beats = beats;
    usul.mertebe = mertebe;
    WriteSlotReporting(model_.CurrentSlot, usul);
}

void ArayüzKalıp::But_farklı_Click() {
    const UsulRecord& usul = model_.CurrentUsul;
    if (IsBlankName(controls_.Text5->text().toStdString())) {
        ShowMessage(2);
        controls_.Picture1->show();
        return;
    }
    if (usul.totalDuration == 0) {
        ShowMessage(3);
        controls_.Picture1->show();
        return;
    }
    if (model_.ExpectedTotal > usul.totalDuration) {
        ShowMessage(5);
        return;
    }
    if (model_.ExpectedTotal < usul.totalDuration) {
        ShowMessage(6);
        return;
    }
    std::uint8_t beats = 0;
    std::uint8_t mertebe = 0;
    if (!ReadTimeSignatureBoxes(beats, mertebe)) return;
    controls_.Picture1->hide();
    ListeYap(kFirstUserSlot, kSlotCount, controls_.List2);
}

void ArayüzKalıp::List2_MouseDown(Qt::MouseButton button, int lineIndex) {
    EkranKiliti(6);
    if (button != Qt::LeftButton || lineIndex < 0) return;
    const int target = lineIndex + kFirstUserSlot;
    std::uint8_t beats = 0;
    std::uint8_t mertebe = 0;
    if (!ReadTimeSignatureBoxes(beats, mertebe)) return;

    // A fresh record: every byte 0, so the reserved fields are written as NULs.
    UsulRecord copy;
    copy.name = FitText(controls_.Text5->text().toStdString(), kNameChars);
    copy.totalDuration = model_.CurrentUsul.totalDuration;
    copy.beats = beats;
    copy.mertebe = mertebe;
    copy.cells = model_.CurrentUsul.cells;
    if (!WriteSlotReporting(target, copy)) return;
    model_.CurrentSlot = target;
    SetSlotLabel(target);
    ApplyFixedSlotLock();
}

void ArayüzKalıp::But_Sil_Click() {
    if (FixedSlotLockApplies(model_.CurrentSlot)) return;
    if (!AskMessage(10)) return;
    model_.CurrentUsul = EmptySlotRecord();
    WriteSlotReporting(model_.CurrentSlot, model_.CurrentUsul);
    controls_.Text2->setText(QStringLiteral("0"));
    controls_.Text3->setText(QStringLiteral("8"));
    controls_.Text4->setText(QStringLiteral("0"));
    controls_.Text5->setText(QString());
    model_.ExpectedTotal = 0;
    göster();
}

void ArayüzKalıp::But_Temizle_Click() {
    for (StrokeCell& cell : model_.CurrentUsul.cells) {
        cell.rightDuration = 0;
        cell.leftDuration = 0;
        cell.loudness = 2;
        cell.syllable = std::string(kSyllableChars, ' ');
        cell.separator = 0;
    }
    controls_.Label1->setText(QStringLiteral("0"));
    Label1_Change();
    controls_.Text2->setText(QStringLiteral("0"));
    controls_.Text3->setText(QStringLiteral("8"));
    controls_.Text4->setText(QStringLiteral("0"));
    controls_.Text5->setText(QString());
    TimeSignatureChanged();
    göster();
}

void ArayüzKalıp::Text5_Change() {
    if (IsEmptySlotName(controls_.Text5->text().toStdString())) controls_.Text5->clear();
}

void ArayüzKalıp::SabitListeYap() {
    PictureBox* table = controls_.Picture4;
    table->ClearPicture(Qt::white);
    QPainter painter(&table->Picture());
    // Five columns of 53-character lines do not fit 960 pixels at the lists' size: a smaller
    // size of the same font, and each line kept inside its own column.
    QFont font = listFont_;
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent();
    const int width = table->Picture().width();
    const int step = static_cast<int>(RoundHalfEven(width / double(kReferenceColumns)));
    int slot = 0;
    for (int x = 1; x <= width && slot < kSlotCount; x += step) {
        painter.setClipRect(x, 0, step - 3, table->Picture().height());
        for (int row = 1; row <= kReferenceRows && slot < kSlotCount; ++row) {
            ++slot;
            UsulRecord record;
            if (!model_.library || !model_.library->ReadSlot(slot, record)) record = UsulRecord{};
            painter.drawText(x, 12 * row - 10 + ascent, Qs(UsulListLine(slot, record)));
        }
    }
    painter.end();
    table->update();
}

}  // namespace ritmora
