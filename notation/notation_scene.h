#pragma once
// The notation of an usul as plain drawing items in picture coordinates, so that the painter
// only renders and the layout can be tested without a screen.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "library/usul_record.h"

namespace ritmora {

struct PixelOffset {
    int dx;
    int dy;
};
struct ScenePoint {
    int x;
    int y;
};
struct SceneLine {  // both end points included
    int x1, y1, x2, y2;
};
struct SceneGlyph {
    int code;  // 159..169
    int x;     // left edge
    int y;     // top
};
struct SceneText {
    std::string text;  // UTF-8, NULs already turned into blanks
    int x;             // top left corner
    int y;
};

struct NotationScene {
    int rows = 1;
    int total = 0;  // the usul's total of durations (right hand when set, else left hand)
    int lastRing = 0;
    std::vector<SceneLine> staffLines;    // black
    std::vector<ScenePoint> ringCentres;  // grey outlines, radius 5
    std::vector<SceneLine> rowDividers;   // black, full width
    std::vector<SceneGlyph> glyphs;       // copied with AND from the large glyphs
    std::vector<ScenePoint> dotPixels;    // black
    std::vector<SceneText> syllables;
    std::vector<SceneText> loudnessLetters;
    std::vector<SceneLine> separatorDashes;  // red
};

// The empty staff (BoşPorte) for `rows` rows (clamped to 1..4).
NotationScene BuildEmptyStaffScene(int rows);
// The whole drawing of an usul (göster): the empty staff for RowCountForLastRing(MevcutHalka)
// rows, then glyphs, dots, syllables, loudness letters and separators of rings 1..MevcutHalka.
// loudnessLetters: the letters of loudness 3, 2 and 1 (loud, medium, soft).
NotationScene BuildNotationScene(const UsulRecord& usul,
                                 const std::array<std::string, 3>& loudnessLetters);

// Pixels of one (birNoktaKoy) or two (ikiNoktaKoy) augmentation dots, relative to the glyph's
// left edge and the staff line; empty for other counts.
std::span<const PixelOffset> DotPixelOffsets(int dotCount);
// The outline of a ring of radius 5 relative to its centre.
std::span<const PixelOffset> RingOutlineOffsets();

}  // namespace ritmora
