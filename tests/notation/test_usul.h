#pragma once
// Small builders for usul records in the notation tests.
#include "library/usul_record.h"

namespace ritmora::testing {

inline UsulRecord UsulWithRight(std::initializer_list<std::pair<int, int>> ringAndDuration) {
    UsulRecord usul;
    for (const auto& [ring, duration] : ringAndDuration) {
        usul.Cell(ring).rightDuration = static_cast<std::uint8_t>(duration);
    }
    return usul;
}

// The default library's "Nim sofyan" 2/8: eighths in cells 1 and 6.
inline UsulRecord NimSofyan() {
    UsulRecord usul = UsulWithRight({{1, 8}, {6, 8}});
    usul.beats = 2;
    usul.mertebe = 8;
    return usul;
}

inline std::vector<int> StrokeRings(const UsulRecord& usul) {
    std::vector<int> rings;
    for (int c = 1; c <= kCellCount; ++c) {
        if (!usul.Cell(c).IsEmpty()) rings.push_back(c);
    }
    return rings;
}

}  // namespace ritmora::testing
