#pragma once
// The layout of an usul's strokes over the 180 rings: the last used ring, the dry run of a
// re-layout and the re-layout itself. The caller redraws afterwards.
#include "library/usul_record.h"

namespace ritmora {

// The highest ring holding a stroke of either hand; 0 when every cell is empty.
int MevcutHalka(const UsulRecord& usul);

// The ring the stroke in cell `lastRing` would land on after a re-layout of cells 1..lastRing at
// `level` (1..63); 0 with no strokes. Changes nothing.
int YeniHalka(const UsulRecord& usul, int level, int lastRing);

// Re-lays cells 1..lastRing at `level`: the first stroke goes to ring 1, each next one follows
// the previous one's spacing; loudness, syllable and the separator just before each stroke move
// with it; everything on empty cells is dropped; spare bytes stay. Writes all 180 cells.
// Does nothing when the result would not fit into 180 rings (no stroke is ever lost).
void YeniDizilim(UsulRecord& usul, int level, int lastRing);

}  // namespace ritmora
