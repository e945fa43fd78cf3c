#pragma once
// Editing the usul on screen: presses and hovering on the notation picture, the note and
// syllable menus, the metronome grid, the duration transforms and spacing commands, undo and
// redo, and the window's keyboard shortcuts. Every change goes to the editor model as one step;
// the window redraws when the model announces it.
//
// Handlers are split by idea: editing_panel.cpp (mouse, menus, pickers), editing_commands.cpp
// (transforms, spacing, undo, redo and shortcuts).
#include <QObject>

class QAction;
class QEvent;

namespace ritmora {

class ArayüzKalıp;
class EditorModel;

// No Q_OBJECT: moc cannot read the window's class name; nothing here needs signals.
class EditingPanel : public QObject {
  public:
    // Connects the window's editing controls; the window owns the panel.
    EditingPanel(ArayüzKalıp& window, EditorModel& model);

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

    // ---- Undo and redo of what the editor shows; nothing while the notation is hidden,
    // locked or showing a plan's passage.
    void Undo();
    void Redo();
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
    void WireMouseAndMenus();
    void WireCommands();
    void AddShortcuts();
    // A box keeps Ctrl+Z / Ctrl+Y only while it has something of its own to undo or redo.
    bool BoxKeepsShortcut(QObject* box, QEvent* event) const;

    ArayüzKalıp& window_;
    EditorModel& model_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* loadAction_ = nullptr;
    QAction* startAction_ = nullptr;
    QAction* stopAction_ = nullptr;
};

}  // namespace ritmora
