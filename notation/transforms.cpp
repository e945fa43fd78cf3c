#include "notation/transforms.h"

#include "library/rounding.h"
#include "notation/relayout.h"
#include "notation/spacing_table.h"

namespace ritmora {
namespace {

template <typename Predicate>
bool AnyDuration(const UsulRecord& usul, Predicate predicate) {
    for (const StrokeCell& cell : usul.cells) {
        if (predicate(cell.rightDuration) || predicate(cell.leftDuration)) return true;
    }
    return false;
}

TransformResult Compare(const UsulRecord& before, const UsulRecord& after) {
    return before == after ? TransformResult::Unchanged : TransformResult::Changed;
}

}  // namespace

TransformResult DoubleDurations(UsulRecord& usul) {
    const bool refused =
        AnyDuration(usul, [](int d) { return d == 64 || d == 96 || d == 112 || d > 127; });
    if (refused) return TransformResult::Refused;
    const UsulRecord before = usul;
    for (StrokeCell& cell : usul.cells) {
        cell.rightDuration = static_cast<std::uint8_t>(2 * cell.rightDuration);
        cell.leftDuration = static_cast<std::uint8_t>(2 * cell.leftDuration);
    }
    return Compare(before, usul);
}

TransformResult HalveDurations(UsulRecord& usul) {
    if (AnyDuration(usul, [](int d) { return d == 1 || d == 2 || d == 3 || d == 7; })) {
        return TransformResult::Refused;
    }
    const UsulRecord before = usul;
    for (StrokeCell& cell : usul.cells) {
        cell.rightDuration = static_cast<std::uint8_t>(RoundHalfEven(cell.rightDuration / 2.0));
        cell.leftDuration = static_cast<std::uint8_t>(RoundHalfEven(cell.leftDuration / 2.0));
    }
    return Compare(before, usul);
}

TransformResult Shorten(UsulRecord& usul) {
    const UsulRecord before = usul;
    const int last = MevcutHalka(usul);
    for (int level = kMaxLevel; level >= kMinLevel; --level) {
        if (YeniHalka(usul, level, last) < last) {
            YeniDizilim(usul, level, last);
            break;
        }
    }
    return Compare(before, usul);
}

TransformResult Extend(UsulRecord& usul) {
    const UsulRecord before = usul;
    const int last = MevcutHalka(usul);
    for (int level = kMinLevel; level <= kMaxLevel - 1; ++level) {
        const int ring = YeniHalka(usul, level, last);
        if (ring > kCellCount) break;
        if (ring > last) {
            YeniDizilim(usul, level, last);
            break;
        }
    }
    return Compare(before, usul);
}

void ClearCells(UsulRecord& usul) {
    for (StrokeCell& cell : usul.cells) {
        cell.rightDuration = 0;
        cell.leftDuration = 0;
        cell.loudness = 2;
        cell.syllable = std::string(kSyllableChars, ' ');
        cell.separator = 0;
    }
}

void NormaliseSeparators(UsulRecord& usul, int lastRing) {
    for (int c = 1; c <= lastRing && c <= kCellCount; ++c) {
        if (usul.Cell(c).separator == 0) continue;
        if (c + 1 <= kCellCount && !usul.Cell(c + 1).IsEmpty()) continue;
        usul.Cell(c).separator = 0;
        for (int e = c + 1; e <= lastRing && e <= kCellCount; ++e) {
            if (!usul.Cell(e).IsEmpty()) {
                usul.Cell(e - 1).separator = 1;
                break;
            }
        }
    }
}

TransformResult AutoLayout(UsulRecord& usul) {
    const UsulRecord before = usul;
    const int last = MevcutHalka(usul);
    NormaliseSeparators(usul, last);
    for (int level = kMaxLevel; level >= kMinLevel; --level) {
        if (YeniHalka(usul, level, last) < kCellCount) {
            YeniDizilim(usul, level, last);
            break;
        }
    }
    return Compare(before, usul);
}

}  // namespace ritmora
