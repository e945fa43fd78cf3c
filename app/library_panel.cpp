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

}  // namespace

void ArayüzKalıp::ListeYap(int first, int last, QListWidget* list) {
    list->clear();
    for (int slot = first; slot <= last; ++slot) {
        UsulRecord record;
        if (!model_.HasLibrary() || !model_.Library().ReadSlot(slot, record)) record = UsulRecord{};
        list->addItem(Qs(UsulListLine(slot, record)));
    }
    const QWidget* picture = controls_.Picture1;
    list->setGeometry(picture->x() + (picture->width() - kListWidth) / 2, kListTop, kListWidth,
                      kListHeight);
    list->scrollToTop();
    list->show();
    list->raise();
    EkranKiliti(list == controls_.List1 ? ScreenState::kLoadListOpen
                                        : ScreenState::kSaveAsListOpen);
}

void ArayüzKalıp::LoadSlotReporting(int slot) {
    if (const int fault = model_.Load(slot)) ShowMessage(fault);
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
