#pragma once
// What a mouse press or hover on the notation picture hits, and what the note menu, the
// syllable menu and a gap click do to a cell.
#include <array>
#include <optional>
#include <string>

#include "library/usul_record.h"

namespace ritmora {

struct RingHit {
    enum Kind { None, Ring, Gap } kind = None;
    int ring = 0;    // 1..180 (the ring itself, or the ring before the gap)
    int rowTop = 0;  // top of the ring's row in the picture
};

// A press at picture (x, y): a ring (within 5 pixels of its centre), the gap after a ring, or
// nothing (outside x 35..935 or outside the row bands y 55..95 + 150 x (row - 1)).
RingHit HitTestPress(int x, int y);
// The ring under the mouse for the number display (rings only, not gaps); 0 = none.
int HoverRing(int x, int y);

// The height of a ring press inside its row (y - row top).
enum class PressZone { UpperLine, Ring, LowerLine, None };
PressZone ZoneOfPress(int yInRow);

inline constexpr int kNoteMenuItems = 15;
inline constexpr int kNoteMenuSeparatorItem = 7;
// Items 0..14 of the note menu: 0-5 right hand 2..64, 6 delete right, 7 nothing, 8 delete
// left, 9-14 left hand 64..2. Every item then clears loudness and syllable. Others: nothing.
void ApplyNoteMenuItem(StrokeCell& cell, int item);
// Items 0..8 of the syllable menu; the caption padded to 3 characters. Others: nothing.
void ApplySyllable(StrokeCell& cell, int item);
// 1 becomes 0, any other value becomes 1.
void ToggleSeparator(StrokeCell& cell);
// "Düm", "Dü", "Tek", "Te", "Ke", "Kâ", "Ta", "Hek", "Me" (the same in both languages).
const std::array<std::string, 9>& SyllableMenuCaptions();

// The unit-note box steps 4 -> 8 -> 16 -> 4.
int NextUnitNote(int unitNote);

// The tempo scroll bar runs from 20 (top) to 250 (bottom): beats per minute = 270 - its value.
inline constexpr int kTempoScrollMinimum = 20;
inline constexpr int kTempoScrollMaximum = 250;
int BpmOfTempoScroll(int scrollValue);
int TempoScrollOfBpm(int bpm);

// The metronome grid: 4 rows of 10 values in cells 17 pixels square.
inline constexpr int kMetronomeGridRows = 4;
inline constexpr int kMetronomeGridColumns = 10;
inline constexpr int kMetronomeGridCell = 17;
// The value in row `row`, column `column` (from 0).
int MetronomeGridValue(int row, int column);
// The value under a press at picture (x, y); nothing outside the 40 cells.
std::optional<int> MetronomeGridValueAt(int x, int y);

}  // namespace ritmora
