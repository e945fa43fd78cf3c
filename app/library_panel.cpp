// The library in the window: the load and save-as lists, loading, stepping, saving, saving as,
// deleting, clearing, the usul reference table and the name box.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

#include "app/main_window.h"
#include "app/message_numbers.h"
#include "app/picture_box.h"
#include "app/screen_lock_rules.h"
#include "app/usul_boxes.h"
#include "library/cp1254.h"
#include "library/list_line.h"
#include "library/provenance.h"
#include "library/rounding.h"
#include "notation/qt/notation_view.h"
#include "notation/relayout.h"

namespace ritmora {
namespace {

constexpr int kListWidth = 400;
constexpr int kListTop = 30;
constexpr int kListHeight = 560;
constexpr int kReferenceColumns = 5;
constexpr int kReferenceRows = 42;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The line and the full note as a tooltip, which wraps a long note instead of running it across
// the screen.
QString SourceTip(const QString& line, const QString& note) {
    QString tip = QStringLiteral("<p><b>") + line.toHtmlEscaped() + QStringLiteral("</b></p>");
    if (!note.isEmpty()) {
        tip += QStringLiteral("<p>") + note.toHtmlEscaped() + QStringLiteral("</p>");
    }
    return tip;
}

// The mark after a fixed slot's list line: a reconstruction, or no source (a fixed slot that no
// longer holds the default library's usul has none we know of either).
std::string_view SourceMark(const SlotSource& source) {
    switch (source.state) {
        case SlotSourceState::kDefault:
            return ProvenanceListMark(source.provenance->kind);
        case SlotSourceState::kChanged:
            return ProvenanceListMark(ProvenanceClass::kNoSourceFound);
        case SlotSourceState::kUserSlot:
        case SlotSourceState::kEmpty:
            break;
    }
    return {};
}

}  // namespace

void ArayüzKalıp::ListeYap(int first, int last, QListWidget* list) {
    list->clear();
    for (int slot = first; slot <= last; ++slot) {
        UsulRecord record;
        if (!model_.HasLibrary() || !model_.Library().ReadSlot(slot, record)) record = UsulRecord{};
        // The 53 characters of the line stay as they are; the source mark follows them.
        const SlotSource source = SourceOfSlot(slot, record);
        const std::string_view mark = SourceMark(source);
        auto* item = new QListWidgetItem(Qs(UsulListLine(slot, record)) +
                                         (mark.empty() ? QString() : " " + Qs(mark)));
        if (source.state == SlotSourceState::kDefault ||
            source.state == SlotSourceState::kChanged) {
            item->setToolTip(Qs(SlotSourceLine(source, language_)));
        }
        list->addItem(item);
    }
    const QWidget* picture = controls_.Picture1;
    list->setGeometry(picture->x() + (picture->width() - kListWidth) / 2, kListTop, kListWidth,
                      kListHeight);
    list->show();
    list->raise();
    // The list opens where the usul on screen stands, its line selected.
    const int currentLine = model_.CurrentSlot() - first;
    if (QListWidgetItem* current = list->item(currentLine)) {
        list->setCurrentItem(current);
        current->setSelected(true);
        list->scrollToItem(current, QAbstractItemView::PositionAtCenter);
    } else {
        list->setCurrentRow(-1);
        list->scrollToTop();
    }
    EkranKiliti(list == controls_.List1 ? ScreenState::kLoadListOpen
                                        : ScreenState::kSaveAsListOpen);
}

void ArayüzKalıp::LoadSlotReporting(int slot) {
    if (const int fault = model_.Load(slot)) ShowMessage(fault);
}

void ArayüzKalıp::ShowSlotSource() {
    QLabel* label = controls_.Label_kaynak;
    const SlotSource source = SourceOfSlot(model_.ShownSlot(), model_.CurrentUsul());
    QString line;
    QString note;
    if (source.state == SlotSourceState::kDefault) {
        line = Qs(SlotSourceLine(source, language_));
        note = Qs(ProvenanceNote(*source.provenance, language_));
    } else if (source.state == SlotSourceState::kChanged) {
        line = Qs(CaptionText(language_, "Label_kaynak.prefix")) +
               Qs(SlotSourceLine(source, language_));
    }
    // User slots, empty slots and an empty screen say nothing.
    label->setText(label->fontMetrics().elidedText(line, Qt::ElideRight, label->width()));
    label->setToolTip(line.isEmpty() ? QString() : SourceTip(line, note));
}

void ArayüzKalıp::But_yükle_Click() {
    controls_.Picture1->hide();
    ListeYap(1, kSlotCount, controls_.List1);
}

void ArayüzKalıp::List1_MouseDown(Qt::MouseButton button, int lineIndex) {
    if (button == Qt::LeftButton && lineIndex >= 0) LoadSlotReporting(lineIndex + 1);
    EkranKiliti(ScreenState::kAfterLoad);
    // The keys go to the notation, not to whichever box comes next after the list.
    controls_.Picture1->setFocus(Qt::OtherFocusReason);
}

void ArayüzKalıp::But_önceki_Click() {
    if (model_.CurrentSlot() <= 1) return;
    LoadSlotReporting(model_.CurrentSlot() - 1);
    EkranKiliti(ScreenState::kAfterLoad);
}

void ArayüzKalıp::But_sonraki_Click() {
    if (model_.CurrentSlot() >= kSlotCount) return;
    LoadSlotReporting(model_.CurrentSlot() + 1);
    EkranKiliti(ScreenState::kAfterLoad);
}

void ArayüzKalıp::But_kaydet_Click() {
    if (const int refusal = model_.Save()) ShowMessage(refusal);
}

void ArayüzKalıp::But_farklı_Click() {
    if (const int refusal = model_.SaveAsRefusal()) {
        ShowMessage(refusal);
        return;
    }
    controls_.Picture1->hide();
    ListeYap(kFirstUserSlot, kSlotCount, controls_.List2);
}

void ArayüzKalıp::List2_MouseDown(Qt::MouseButton button, int lineIndex) {
    EkranKiliti(ScreenState::kAfterSaveAs);
    controls_.Picture1->setFocus(Qt::OtherFocusReason);
    if (button != Qt::LeftButton || lineIndex < 0) return;
    const int target = lineIndex + kFirstUserSlot;
    // A user's usul is never replaced without a question that names it.
    UsulRecord there;
    const bool occupied = model_.Library().ReadSlot(target, there) &&
                          (!IsBlankName(ShownText(there.name)) || MevcutHalka(there) > 0);
    if (occupied) {
        const QString name = Qs(ShownText(there.name)).trimmed();
        if (!AskMessage(message::kReplaceUsulQuestion, {QString::number(target), name})) return;
    }
    if (const int fault = model_.SaveAs(target)) ShowMessage(fault);
    ApplyFixedSlotLock();
}

void ArayüzKalıp::But_Sil_Click() {
    if (FixedSlotLockApplies(model_.CurrentSlot())) return;
    if (!AskMessage(message::kDeleteUsulQuestion)) return;
    if (const int fault = model_.DeleteSlot()) ShowMessage(fault);
}

void ArayüzKalıp::But_Temizle_Click() { model_.Clear(); }

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
            if (!model_.HasLibrary() || !model_.Library().ReadSlot(slot, record))
                record = UsulRecord{};
            painter.drawText(x, 12 * row - 10 + ascent, Qs(UsulListLine(slot, record)));
        }
    }
    painter.end();
    table->update();
}

}  // namespace ritmora
