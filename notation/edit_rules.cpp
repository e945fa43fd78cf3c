#include "notation/edit_rules.h"

#include "notation/geometry.h"

namespace ritmora {
namespace {

constexpr int kPressLeft = 35;
constexpr int kPressRight = 935;
constexpr int kBandTop = 55;  // a row's band of presses, from its top
constexpr int kBandBottom = 95;

// The row whose band holds y (1..4), or 0.
int RowOfBand(int y) {
    for (int row = 1; row <= kMaxRows; ++row) {
        const int inRow = y - RowTop(row);
        if (inRow >= kBandTop && inRow <= kBandBottom) return row;
    }
    return 0;
}

}  // namespace

RingHit HitTestPress(int x, int y) {
    if (x < kPressLeft || x > kPressRight) return {};
    RingHit hit;
    for (int k = 1; k <= kRingsPerRow; ++k) {
        const int cx = RingCentreX(k);
        if (cx - 6 < x && x < cx + 6) {
            hit = {RingHit::Ring, k, 0};
            break;
        }
        if (cx + 5 < x && x < cx + 15) {
            hit = {RingHit::Gap, k, 0};
            break;
        }
    }
    if (hit.kind == RingHit::None) return {};
    const int row = RowOfBand(y);
    if (row == 0) return {};
    hit.rowTop = RowTop(row);
    hit.ring += kRingsPerRow * (row - 1);
    return hit;
}

int HoverRing(int x, int y) {
    const RingHit hit = HitTestPress(x, y);
    return hit.kind == RingHit::Ring ? hit.ring : 0;
}

PressZone ZoneOfPress(int yInRow) {
    if (yInRow >= 55 && yInRow <= 67) return PressZone::UpperLine;
    if (yInRow >= 68 && yInRow <= 83) return PressZone::Ring;
    if (yInRow >= 84 && yInRow <= 95) return PressZone::LowerLine;
    return PressZone::None;
}

void ApplyNoteMenuItem(StrokeCell& cell, int item) {
    static constexpr std::array<int, kNoteMenuItems> kValues = {2, 4,  8,  16, 32, 64, 0, 0,
                                                                0, 64, 32, 16, 8,  4,  2};
    if (item < 0 || item >= kNoteMenuItems) return;
    const auto value = static_cast<std::uint8_t>(kValues[static_cast<std::size_t>(item)]);
    if (item <= 6) {
        cell.rightDuration = value;
    } else if (item >= 8) {
        cell.leftDuration = value;
    }
    cell.loudness = 0;
    cell.syllable = std::string(kSyllableChars, ' ');
}

void ApplySyllable(StrokeCell& cell, int item) {
    const auto& captions = SyllableMenuCaptions();
    if (item < 0 || item >= static_cast<int>(captions.size())) return;
    cell.syllable = FitText(captions[static_cast<std::size_t>(item)], kSyllableChars);
}

void ToggleSeparator(StrokeCell& cell) { cell.separator = cell.separator == 1 ? 0 : 1; }

const std::array<std::string, 9>& SyllableMenuCaptions() {
    static const std::array<std::string, 9> captions = {"Düm", "Dü", "Tek", "Te", "Ke",
                                                        "Kâ",  "Ta", "Hek", "Me"};
    return captions;
}

int NextUnitNote(int unitNote) { return unitNote == 4 ? 8 : unitNote == 8 ? 16 : 4; }

int BpmOfTempoScroll(int scrollValue) { return 270 - scrollValue; }

int TempoScrollOfBpm(int bpm) { return 270 - bpm; }

int MetronomeGridValue(int row, int column) {
    static constexpr int kValues[kMetronomeGridRows][kMetronomeGridColumns] = {
        {20, 40, 42, 44, 46, 48, 50, 52, 54, 56},
        {58, 60, 63, 66, 69, 72, 76, 80, 84, 88},
        {92, 96, 100, 104, 108, 112, 116, 120, 126, 132},
        {138, 144, 152, 160, 168, 176, 184, 192, 200, 208},
    };
    return kValues[row][column];
}

std::optional<int> MetronomeGridValueAt(int x, int y) {
    if (x < 0 || y < 0) return std::nullopt;
    const int column = x / kMetronomeGridCell;
    const int row = y / kMetronomeGridCell;
    if (column >= kMetronomeGridColumns || row >= kMetronomeGridRows) return std::nullopt;
    return MetronomeGridValue(row, column);
}

}  // namespace ritmora
