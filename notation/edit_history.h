#pragma once
// Undo and redo of the usul being edited, as the user sees it: its cells, its name, its time
// signature, the metronome unit and the slot label. The history holds whole snapshots: an usul
// is small, and a snapshot restores exactly what was there, whatever changed it (a press, a menu
// choice, a transform, a re-layout, a clear, typing in a box), so a step always comes back whole.
#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "library/usul_record.h"

namespace ritmora {

using CellSnapshot = std::array<StrokeCell, kCellCount>;

// Everything of the editor that one undo step restores.
struct EditorState {
    CellSnapshot cells{};
    std::string name;     // the name box as typed
    std::string beats;    // the beats box as typed
    std::string mertebe;  // the mertebe box as typed
    int unitNote = 8;     // the note value one metronome beat stands for
    long long expectedTotal = 0;
    int shownSlot = 0;  // the slot label: clearing shows 0 while the slot is kept for saving
    bool operator==(const EditorState&) const = default;
};

class EditHistory {
  public:
    static constexpr std::size_t kDefaultDepth = 200;

    // `depth`: the most undo steps kept (at least 1); the oldest ones are dropped first.
    explicit EditHistory(std::size_t depth = kDefaultDepth);

    // A fresh history whose starting point is `present` (after a load or a save).
    void Reset(const EditorState& present);
    // The state after an edit. A state equal to the present one records nothing (false);
    // otherwise it becomes the present, the state before it one undo step, and redo is emptied.
    // Edits that carry the same nonzero `burst` one after another (the keys typed into one box)
    // make one step together.
    bool Record(const EditorState& after, int burst = 0);

    bool CanUndo() const { return !past_.empty(); }
    bool CanRedo() const { return !future_.empty(); }
    std::size_t UndoSteps() const { return past_.size(); }
    std::size_t RedoSteps() const { return future_.size(); }

    // The state to restore, which becomes the present; nothing when there is no step.
    std::optional<EditorState> Undo();
    std::optional<EditorState> Redo();

    const EditorState& Present() const { return present_; }

  private:
    std::size_t depth_;
    std::deque<EditorState> past_;  // oldest first
    EditorState present_{};
    std::vector<EditorState> future_;  // next redo last
    int lastBurst_ = 0;                // the burst of the newest step, 0 when it may not grow
};

}  // namespace ritmora
