#include "library/list_line.h"

#include "library/cp1254.h"

namespace ritmora {
namespace {

// Slots and beats fit their three columns (at most 255).
std::string RightAligned(const std::string& digits, std::size_t width) {
    if (digits.size() >= width) return digits.substr(digits.size() - width);
    return std::string(width - digits.size(), ' ') + digits;
}

}  // namespace

std::string UsulListLine(int slot, const UsulRecord& record) {
    const std::string beats = record.beats == 0 ? "" : std::to_string(record.beats);
    const std::string mertebe =
        (record.mertebe == 0 || record.mertebe >= 100) ? "" : std::to_string(record.mertebe);
    // Columns 1-3 slot, 4-5 blank, 6-8 beats, 9 "/", 10-11 mertebe, 12-13 blank, 14-53 name.
    return RightAligned(std::to_string(slot), 3) + "  " + RightAligned(beats, 3) + "/" + mertebe +
           std::string(2 - mertebe.size(), ' ') + "  " +
           ShownText(FitText(record.name, kNameChars));
}

}  // namespace ritmora
