#include "notation/edit_history.h"

#include <algorithm>
#include <utility>

namespace ritmora {

EditHistory::EditHistory(std::size_t depth) : depth_(std::max<std::size_t>(depth, 1)) {}

void EditHistory::Reset(const CellSnapshot& present) {
    past_.clear();
    future_.clear();
    present_ = present;
}

bool EditHistory::Record(const CellSnapshot& after) {
    if (after == present_) return false;
    past_.push_back(std::exchange(present_, after));
    while (past_.size() > depth_) past_.pop_front();
    future_.clear();
    return true;
}

std::optional<CellSnapshot> EditHistory::Undo() {
    if (past_.empty()) return std::nullopt;
    future_.push_back(std::exchange(present_, std::move(past_.back())));
    past_.pop_back();
    return present_;
}

std::optional<CellSnapshot> EditHistory::Redo() {
    if (future_.empty()) return std::nullopt;
    past_.push_back(std::exchange(present_, std::move(future_.back())));
    future_.pop_back();
    return present_;
}

}  // namespace ritmora
