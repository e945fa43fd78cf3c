// Undo and redo of the current usul's cells, the points where a load or a save starts a fresh
// history, and the window's keyboard shortcuts.
#include <QAction>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "app/editing_panel.h"
#include "app/main_window.h"
#include "notation/qt/notation_view.h"

namespace ritmora {
namespace {

// A shortcut works only when its button could be clicked now: a screen state that disables
// the button disables its key too.
void ClickIfUsable(QPushButton* button) {
    if (button != nullptr && button->isEnabled() && button->isVisible()) button->click();
}

}  // namespace

void EditingPanel::WireHistoryAndShortcuts() {
    WindowControls& c = window_.Controls();
    // Connected after the window's own handlers, so these run once the window is done.
    connect(c.But_Temizle, &QPushButton::clicked, this, [this] { SyncHistory(); });
    for (QPushButton* step : {c.But_önceki, c.But_sonraki}) {
        connect(step, &QPushButton::clicked, this, [this] { StartFreshHistory(); });
    }
    for (QPushButton* store : {c.But_kaydet, c.But_Sil}) {
        connect(store, &QPushButton::clicked, this, [this] {
            if (StoredCellsMatch()) StartFreshHistory();
        });
    }
    // Installed after the window's filters, so this one sees the list presses first.
    c.List1->viewport()->installEventFilter(this);
    c.List2->viewport()->installEventFilter(this);
    AddShortcuts();
}

bool EditingPanel::FilterListPress(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    WindowControls& c = window_.Controls();
    QListWidget* list = watched == c.List1->viewport()   ? c.List1
                        : watched == c.List2->viewport() ? c.List2
                                                         : nullptr;
    if (list == nullptr) return false;
    // The window's handler runs here rather than in the window's own filter, so that the
    // history can follow what it did.
    auto* press = static_cast<QMouseEvent*>(event);
    const QModelIndex index = list->indexAt(press->position().toPoint());
    const int line = index.isValid() ? index.row() : -1;
    const bool choice = press->button() == Qt::LeftButton && line >= 0;
    if (list == c.List1) {
        window_.List1_MouseDown(press->button(), line);
        if (choice) StartFreshHistory();
    } else {
        window_.List2_MouseDown(press->button(), line);
        if (choice && StoredCellsMatch()) StartFreshHistory();
    }
    return true;
}

void EditingPanel::AddShortcuts() {
    WindowControls& c = window_.Controls();
    auto add = [this](const char* name, QList<QKeySequence> keys, auto handler) {
        auto* action = new QAction(&window_);
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcuts(keys);
        window_.addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    undoAction_ = add("editing_undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { Undo(); });
    redoAction_ =
        add("editing_redo",
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
            [this] { Redo(); });
    saveAction_ = add("editing_save", {QKeySequence(Qt::CTRL | Qt::Key_S)},
                      [&c] { ClickIfUsable(c.But_kaydet); });
    loadAction_ = add("editing_load", {QKeySequence(Qt::CTRL | Qt::Key_L)},
                      [&c] { ClickIfUsable(c.But_yükle); });
    startAction_ =
        add("editing_start", {QKeySequence(Qt::Key_F5)}, [&c] { ClickIfUsable(c.But_Baslat); });
    stopAction_ =
        add("editing_stop", {QKeySequence(Qt::Key_Escape)}, [&c] { ClickIfUsable(c.But_Dur); });
}

void EditingPanel::Undo() {
    if (!NotationEditable()) return;
    SyncHistory();
    if (const auto cells = history_.Undo()) {
        window_.CurrentUsul().cells = *cells;
        window_.göster();
    }
}

void EditingPanel::Redo() {
    if (!NotationEditable()) return;
    SyncHistory();
    if (const auto cells = history_.Redo()) {
        window_.CurrentUsul().cells = *cells;
        window_.göster();
    }
}

void EditingPanel::Changed() {
    window_.göster();
    history_.Record(window_.CurrentUsul().cells);
}

void EditingPanel::SyncHistory() { history_.Record(window_.CurrentUsul().cells); }

void EditingPanel::StartFreshHistory() { history_.Reset(window_.CurrentUsul().cells); }

bool EditingPanel::NotationEditable() const {
    const NotationView* picture = window_.Controls().Picture1;
    return picture->isVisible() && picture->isEnabled();
}

bool EditingPanel::StoredCellsMatch() const {
    const int slot = window_.CurrentSlot();
    if (slot < 1 || slot > kSlotCount) return false;
    UsulRecord stored;
    return window_.Library().ReadSlot(slot, stored) && stored.cells == window_.CurrentUsul().cells;
}

}  // namespace ritmora
