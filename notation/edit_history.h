#pragma once
// Undo and redo of the edits to one usul's cells. The history holds whole snapshots of the 180
// cells: an usul is small, and a snapshot restores exactly what was there, whatever changed it
// (a press, a menu choice, a transform, a re-layout, a clear).
#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "library/usul_record.h"

namespace ritmora {

using CellSnapshot = std::array<StrokeCell, kCellCount>;

class EditHistory {
  public:
    static constexpr std::size_t kDefaultDepth = 200;

    // `depth`: the most undo steps kept (at least 1); the oldest ones are dropped first.
    explicit EditHistory(std::size_t depth = kDefaultDepth);

    // A fresh history whose starting point is `present` (after a load or a save).
    void Reset(const CellSnapshot& present);
    // The cells after an edit. A state equal to the present one records nothing (false);
    // otherwise it becomes the present, the state before it one undo step, and redo is emptied.
    bool Record(const CellSnapshot& after);

    bool CanUndo() const { return !past_.empty(); }
    bool CanRedo() const { return !future_.empty(); }
    std::size_t UndoSteps() const { return past_.size(); }
    std::size_t RedoSteps() const { return future_.size(); }

    // The state to restore, which becomes the present; nothing when there is no step.
    std::optional<CellSnapshot> Undo();
    std::optional<CellSnapshot> Redo();

    const CellSnapshot& Present() const { return present_; }

  private:
    std::size_t depth_;
    std::deque<CellSnapshot> past_;  // oldest first
    CellSnapshot present_{};
    std::vector<CellSnapshot> future_;  // next redo last
};

}  // namespace ritmora
