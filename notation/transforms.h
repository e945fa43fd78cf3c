#pragma once
// Whole-usul commands: double or halve every duration, and the three spacing commands.
// They change the record only; the caller redraws and shows message 7 on Refused.
#include "library/usul_record.h"

namespace ritmora {

enum class TransformResult { Changed, Unchanged, Refused };

// Refused when any duration is a whole note (64, 96, 112) or any other value above 127 (its
// double would not fit a byte).
TransformResult DoubleDurations(UsulRecord& usul);
// Refused when any duration is 1, 2, 3 or 7: its half is no note value, and a 1 would vanish.
TransformResult HalveDurations(UsulRecord& usul);
// Re-lays at the highest level that makes the last ring smaller.
TransformResult Shorten(UsulRecord& usul);
// Re-lays at the lowest level that makes the last ring larger and still fits 180 rings.
TransformResult Extend(UsulRecord& usul);
// Moves every separator onto the cell just before the next stroke, then re-lays at the highest
// level whose last ring is below 180.
TransformResult AutoLayout(UsulRecord& usul);

// Clear: every cell without strokes, loudness 2, syllable blanks, no separator. The name, the
// time signature and the total of the record are left as they are.
void ClearCells(UsulRecord& usul);

// The separator step of AutoLayout on its own (cells 1..lastRing).
void NormaliseSeparators(UsulRecord& usul, int lastRing);

}  // namespace ritmora
