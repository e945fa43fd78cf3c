#include "notation/relayout.h"

#include <algorithm>
#include <vector>

#include "notation/spacing_table.h"

namespace ritmora {
namespace {

// The duration a cell contributes to the layout: its right-hand stroke wins over the left.
struct Stroke {
    bool right;
    int duration;
};

bool StrokeOf(const StrokeCell& cell, Stroke& stroke) {
    if (cell.rightDuration != 0) {
        stroke = {true, cell.rightDuration};
        return true;
    }
    if (cell.leftDuration != 0) {
        stroke = {false, cell.leftDuration};
        return true;
    }
    return false;
}

int ClampLastRing(int lastRing) { return std::clamp(lastRing, 0, kCellCount); }

}  // namespace

int MevcutHalka(const UsulRecord& usul) {
    for (int c = kCellCount; c >= 1; --c) {
        if (!usul.Cell(c).IsEmpty()) return c;
    }
    return 0;
}

int YeniHalka(const UsulRecord& usul, int level, int lastRing) {
    const SpacingTable& table = StandardSpacingTable();
    lastRing = ClampLastRing(lastRing);
    int p = 0;
    int lastSpacing = 0;
    for (int c = 1; c <= lastRing; ++c) {
        Stroke stroke{};
        lastSpacing = 0;
        if (StrokeOf(usul.Cell(c), stroke)) {
            lastSpacing = table.SpacingAfter(stroke.duration, level);
            p += 1 + lastSpacing;
        }
    }
    return p - lastSpacing;
}

void YeniDizilim(UsulRecord& usul, int level, int lastRing) {
    lastRing = ClampLastRing(lastRing);
    // A layout past ring 180 would drop strokes; callers check with YeniHalka, but never lose
    // data if one does not.
    if (YeniHalka(usul, level, lastRing) > kCellCount) return;

    const SpacingTable& table = StandardSpacingTable();
    StrokeCell blank;
    blank.syllable = std::string(kSyllableChars, '\0');
    // One spare slot beyond 180 so the spacing after the last stroke needs no special case.
    std::vector<StrokeCell> scratch(kCellCount + 1, blank);
    auto at = [&scratch](int p) -> StrokeCell& { return scratch[static_cast<std::size_t>(p - 1)]; };

    int p = 0;
    for (int c = 1; c <= lastRing; ++c) {
        const StrokeCell& cell = usul.Cell(c);
        Stroke stroke{};
        if (!StrokeOf(cell, stroke)) continue;
        p += 1;
        StrokeCell& target = at(p);
        (stroke.right ? target.rightDuration : target.leftDuration) =
            static_cast<std::uint8_t>(stroke.duration);
        target.syllable = cell.syllable;
        target.loudness = cell.loudness;
        if (c > 1 && p > 1) at(p - 1).separator = usul.Cell(c - 1).separator;
        p += table.SpacingAfter(stroke.duration, level);
    }

    for (int c = 1; c <= kCellCount; ++c) {
        StrokeCell& cell = usul.Cell(c);
        const StrokeCell& laid = at(c);
        cell.rightDuration = laid.rightDuration;
        cell.leftDuration = laid.leftDuration;
        cell.loudness = laid.loudness;
        cell.separator = laid.separator;
        cell.syllable = laid.syllable;
    }
}

}  // namespace ritmora
