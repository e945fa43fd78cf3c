#include "notation/spacing_table.h"

#include "library/rounding.h"
#include "notation/note_values.h"

namespace ritmora {

SpacingTable::SpacingTable() {
    for (int level = kMinLevel; level <= kMaxLevel; ++level) {
        auto& row = rows_[static_cast<std::size_t>(level - 1)];
        row[0] = static_cast<std::uint8_t>(RoundHalfEven(level / 2.0));
        for (std::size_t m = 1; m < row.size(); ++m) {
            row[m] = static_cast<std::uint8_t>(RoundHalfEven(row[m - 1] / 2.0));
        }
    }
}

std::uint8_t SpacingTable::Entry(int level, int noteClass) const {
    if (level < kMinLevel || level > kMaxLevel || noteClass < 0 || noteClass >= kNoteClassCount) {
        return 0;
    }
    return rows_[static_cast<std::size_t>(level - 1)][static_cast<std::size_t>(noteClass)];
}

int SpacingTable::SpacingAfter(int duration, int level) const {
    return Entry(level, NoteClass(duration));
}

const SpacingTable& StandardSpacingTable() {
    static const SpacingTable table;
    return table;
}

}  // namespace ritmora
