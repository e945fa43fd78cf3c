#pragma once
// Usuls and pixel checks shared by the export tests.
#include <QColor>
#include <QImage>

#include "library/usul_record.h"
#include "notation/geometry.h"
#include "notation/qt/glyph_sheet.h"
#include "tests/support/test_support.h"

namespace ritmora::testing {

// An usul with a quarter note (16) on the right hand of every ring 1..rings.
inline UsulRecord UsulOfRings(int rings, int beats = 4, int mertebe = 4) {
    UsulRecord usul;
    for (int ring = 1; ring <= rings; ++ring) usul.Cell(ring).rightDuration = 16;
    usul.beats = static_cast<std::uint8_t>(beats);
    usul.mertebe = static_cast<std::uint8_t>(mertebe);
    return usul;
}

// The pixel on the left-hand edge of ring `column` of `row`, shifted by (dx, dy).
inline QColor RingEdge(const QImage& image, int row, int column, int dx = 0, int dy = 0) {
    return image.pixelColor(RingCentreX(column) - kRingRadius + dx, RingCentreY(row) + dy);
}

inline bool IsWhite(const QColor& colour) { return colour == QColor(255, 255, 255); }
inline bool IsGrey(const QColor& colour) { return colour == QColor(200, 200, 200); }
inline bool IsDark(const QColor& colour) { return colour.lightness() < 128; }
inline bool AnyDark(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsDark(image.pixelColor(x, y))) return true;
        }
    }
    return false;
}

// One glyph sheet for the whole test program: drawing it is not free.
inline const GlyphSheet& Glyphs() {
    static const GlyphSheet glyphs;
    return glyphs;
}

}  // namespace ritmora::testing
