#include "library/list_line.h"

#include "library/cp1254.h"

namespace ritmora {
namespace {

std::string RightAligned(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() >= width) return digits.substr(digits.size() - width);
    return std::string(width - digits.size(), ' ') + digits;
}

}  // namespace

std::string UsulListLine(int slot, const UsulRecord& record) {
    std::string line = RightAligned(slot, 3) + "  ";                              // 1-5
    line += record.beats == 0 ? std::string(3, ' ') : RightAligned(record.beats, 3);  // 6-8
    line += '/';                                                                   // 9
    std::string mertebe;
    if (record.mertebe != 0 && record.mertebe < 100) mertebe = std::to_string(record.mertebe);
    line += mertebe + std::string(2 - mertebe.size(), ' ');                        // 10-11
    line += "  ";                                                                  // 12-13
    line += ShownText(FitText(record.name, kNameChars));                           // 14-53
    return line;
}

}  // namespace ritmora
