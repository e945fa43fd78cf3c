#pragma once
// Where the beat rings, staff lines, glyphs and separators stand on the notation picture.
// Ring (cell) numbers run 1..180, 45 to a row, at most 4 rows; all values are picture pixels.
namespace ritmora {

inline constexpr int kNotationWidth = 964;
inline constexpr int kRingsPerRow = 45;
inline constexpr int kRowHeight = 150;
inline constexpr int kMaxRows = 4;
inline constexpr int kRingSpacing = 20;
inline constexpr int kRingRadius = 5;
inline constexpr int kStaffLeft = 20;
inline constexpr int kStaffRight = 940;
inline constexpr int kDividerRight = 960;
inline constexpr int kUpperLineOffset = 60;   // right hand ("Düm") line, from the row top
inline constexpr int kLowerLineOffset = 90;   // left hand ("Tek") line
inline constexpr int kRingOffset = 75;        // ring centres
inline constexpr int kRightGlyphOffset = 18;  // top of a stem-up glyph
inline constexpr int kLeftGlyphOffset = 49;   // top of a stem-down glyph
inline constexpr int kSeparatorShift = 14;  // from the glyph's left edge: halfway to the next ring

inline int RowOfRing(int ring) { return (ring - 1) / kRingsPerRow + 1; }
inline int ColumnOfRing(int ring) { return ring - kRingsPerRow * (RowOfRing(ring) - 1); }
inline int RowTop(int row) { return kRowHeight * (row - 1); }
inline int RingCentreX(int column) { return kRingSpacing * (column - 1) + 40; }
inline int RingCentreY(int row) { return RowTop(row) + kRingOffset; }
inline int GlyphLeftX(int column) { return kRingSpacing * (column - 1) + 36; }

// Rows the staff needs when its last stroke is in `lastRing` (an empty usul still gets one row).
inline int RowCountForLastRing(int lastRing) {
    if (lastRing <= kRingsPerRow) return 1;
    if (lastRing <= 2 * kRingsPerRow) return 2;
    if (lastRing <= 3 * kRingsPerRow) return 3;
    return kMaxRows;
}

// Top of the notation picture in a window whose drawing area is `innerHeight` high: the staff
// stands centred above a 100-pixel band. (innerHeight - 100) / 2 is rounded half to even like
// every other fraction of the program; four rows sit 4 pixels lower.
int NotationPictureTop(int innerHeight, int rows);

}  // namespace ritmora
