#include "notation/edit_history.h"

#include <algorithm>
#include <utility>

namespace ritmora {

EditHistory::EditHistory(std::size_t depth) : depth_(std::max<std::size_t>(depth, 1)) {}

void EditHistory::Reset(const EditorState& present) {
    past_.clear();
    future_.clear();
    present_ = present;
    lastBurst_ = 0;
}

bool EditHistory::Record(const EditorState& after, int burst) {
    if (after == present_) return false;
    const bool grows = burst != 0 && burst == lastBurst_ && !past_.empty() && future_.empty();
    if (grows) {
        present_ = after;
        // Typing that ends where it began leaves no step behind.
        if (present_ == past_.back()) {
            past_.pop_back();
            lastBurst_ = 0;
        }
        return true;
    }
    past_.push_back(std::exchange(present_, after));
    while (past_.size() > depth_) past_.pop_front();
    future_.clear();
    lastBurst_ = burst;
    return true;
}

std::optional<EditorState> EditHistory::Undo() {
    if (past_.empty()) return std::nullopt;
    future_.push_back(std::exchange(present_, std::move(past_.back())));
    past_.pop_back();
    lastBurst_ = 0;
    return present_;
}

std::optional<EditorState> EditHistory::Redo() {
    if (future_.empty()) return std::nullopt;
    past_.push_back(std::exchange(present_, std::move(future_.back())));
    future_.pop_back();
    lastBurst_ = 0;
    return present_;
}

}  // namespace ritmora
