#pragma once
// Editing the usul on screen: presses and hovering on the notation picture, the note and
// syllable menus, the metronome grid, the duration transforms and spacing commands, undo and
// redo, and the window's keyboard shortcuts. Installed once on the main window after its
// start-up; it works through the window's public operations and its named controls.
//
// Handlers are split by idea: editing_panel.cpp (mouse, menus, pickers), editing_commands.cpp
// (transforms and spacing), editing_history_hooks.cpp (undo, redo, shortcuts, and the points
// where a load or a save starts a fresh history).
#include <QObject>

#include "notation/edit_history.h"

class QAction;
class QEvent;

namespace ritmora {

class ArayüzKalıp;

class EditingPanel : public QObject {
    Q_OBJECT
  public:
    // Connects everything to `window` (which becomes the parent). The window's own handlers
    // were connected first, so the panel's hooks on shared controls run after them.
    explicit EditingPanel(ArayüzKalıp& window);

    // ---- The notation picture (picture pixels).
    void Picture1_MouseDown(Qt::MouseButton button, int x, int y);
    void Picture1_MouseMove(int x, int y);
    // Note menu items 0..14 and syllable menu items 0..8, acting on the selected ring.
    void Mn_editNota_Click(int item);
    void Mn_metin_Click(int item);

    // ---- The tempo pickers.
    void Label5_Click();
    void Picture8_MouseDown(Qt::MouseButton button, int x, int y);

    // ---- Whole-usul commands: 0 doubles, 1 halves every duration.
    void But_mertebe_Click(int index);
    void But_kısalt_Click();
    void But_uzat_Click();
    void But_optimize_Click();

    // ---- History of the current usul's cells.
    void Undo();
    void Redo();
    const EditHistory& History() const { return history_; }
    // The keyboard shortcuts as actions of the window: undo, redo, save, load list, start, stop.
    QAction* UndoAction() const { return undoAction_; }
    QAction* RedoAction() const { return redoAction_; }
    QAction* SaveAction() const { return saveAction_; }
    QAction* LoadAction() const { return loadAction_; }
    QAction* StartAction() const { return startAction_; }
    QAction* StopAction() const { return stopAction_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Redraws and records the cells as one undo step.
    void Changed();
    // Keeps the history in step with changes made elsewhere before an edit starts.
    void SyncHistory();
    void StartFreshHistory();
    // True when the notation takes edits now (not hidden or locked by a screen state).
    bool NotationEditable() const;
    // True when the record stored in the current slot holds the cells on screen.
    bool StoredCellsMatch() const;
    void WireMouseAndMenus();
    void WireCommands();
    void WireHistoryAndShortcuts();
    void AddShortcuts();
    // Presses on the load and save-as lists; true when the press was handled.
    bool FilterListPress(QObject* watched, QEvent* event);

    ArayüzKalıp& window_;
    EditHistory history_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* loadAction_ = nullptr;
    QAction* startAction_ = nullptr;
    QAction* stopAction_ = nullptr;
};

// Creates the panel on `window` (call once, after the window's start-up). The panel is owned
// by the window and can also be found with window.findChild<EditingPanel*>().
EditingPanel* InstallEditingPanel(ArayüzKalıp& window);

}  // namespace ritmora
