#pragma once
// Renders the notation (the staff, glyphs, dots, syllables, loudness letters, separators) into
// the notation picture, and the beat marker over it.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "library/usul_record.h"
#include "notation/qt/glyph_sheet.h"

namespace ritmora {

struct LoudnessLetters {
    QString loud, medium, soft;  // "F" "M" "P" or "K" "O" "Z"
};

// BoşPorte: clears the picture to white and draws the empty staff for round(height / 150)
// rows: staff lines, grey rings filled with the background, row dividers.
void DrawEmptyStaff(QImage& picture);

// göster's drawing. The picture should be 964 wide and 150 x rows high, rows =
// RowCountForLastRing(MevcutHalka(usul)); the caller sizes it. Draws the empty staff, then
// every stroke up to the last one. Returns the usul's total of durations; the caller stores it
// and updates the status.
int DrawNotation(QImage& picture, const UsulRecord& usul, const GlyphSheet& glyphs,
                 const LoudnessLetters& letters, const QFont& font);

// birNoktaKoy / ikiNoktaKoy: one or two augmentation dots right of the note head whose glyph's
// left edge is x and whose staff line is y.
void BirNoktaKoy(QImage& picture, int x, int y);
void IkiNoktaKoy(QImage& picture, int x, int y);

// Every ring outline of `rows` rows in `colour` (white hides them for export and printing, grey
// (200, 200, 200) brings them back).
void DrawRingOutlines(QImage& picture, int rows, const QColor& colour);

// The beat marker at (x, y): a blue circle of radius 3 and pen width 4 drawn with a not-XOR
// raster op, so a second call at the same place restores the picture exactly.
void ToggleBeatMarker(QImage& picture, int x, int y);

}  // namespace ritmora
