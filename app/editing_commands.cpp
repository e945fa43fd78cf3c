// The whole-usul commands (doubling and halving every duration, the three spacing commands),
// undo and redo, and the window's keyboard shortcuts.
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/editing_panel.h"
#include "app/editor_model.h"
#include "app/main_window.h"
#include "app/message_numbers.h"
#include "notation/transforms.h"

namespace ritmora {
namespace {

// A shortcut works only when its button could be clicked now: a screen state that disables
// the button disables its key too.
void ClickIfUsable(QPushButton* button) {
    if (button != nullptr && button->isEnabled() && button->isVisible()) button->click();
}

bool IsRedoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

}  // namespace

void EditingPanel::WireCommands() {
    WindowControls& c = window_.Controls();
    for (int index = 0; index < static_cast<int>(c.But_mertebe.size()); ++index) {
        connect(c.But_mertebe[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { But_mertebe_Click(index); });
    }
    connect(c.But_kısalt, &QPushButton::clicked, this, [this] { But_kısalt_Click(); });
    connect(c.But_uzat, &QPushButton::clicked, this, [this] { But_uzat_Click(); });
    connect(c.But_optimize, &QPushButton::clicked, this, [this] { But_optimize_Click(); });
}

void EditingPanel::But_mertebe_Click(int index) {
    if (index != 0 && index != 1) return;
    if (model_.Edit(index == 0 ? DoubleDurations : HalveDurations) == TransformResult::Refused) {
        window_.ShowMessage(message::kDurationsCannotChange);
    }
}

void EditingPanel::But_kısalt_Click() { model_.Edit(Shorten); }

void EditingPanel::But_uzat_Click() { model_.Edit(Extend); }

void EditingPanel::But_optimize_Click() { model_.Edit(AutoLayout); }

void EditingPanel::Undo() {
    if (window_.NotationEditable()) model_.Undo();
}

void EditingPanel::Redo() {
    if (window_.NotationEditable()) model_.Redo();
}

bool EditingPanel::BoxKeepsShortcut(QObject* box, QEvent* event) const {
    const auto* line = qobject_cast<const QLineEdit*>(box);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (line == nullptr) return true;
    if (key->matches(QKeySequence::Undo)) return line->isUndoAvailable();
    // A step the notation has just undone is redone before the box's own.
    if (IsRedoKey(key)) return line->isRedoAvailable() && !model_.History().CanRedo();
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

}  // namespace ritmora
