#pragma once
// The glyph sheet: the 11 note glyphs drawn once at three sizes into one 240 x 230 image, and
// the tables that say where each glyph lies. Glyphs are copied into the notation with a raster
// AND, so the white of a glyph's column leaves the picture untouched and only the ink lands.
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <cstdint>

namespace ritmora {

struct GlyphRect {
    std::uint8_t srcX, srcY, width, height;
};
using GlyphTable = std::array<GlyphRect, 11>;  // index = glyph code - 159

class GlyphSheet {
  public:
    GlyphSheet();  // draws the sheet and fills the three tables

    const QImage& Image() const { return image_; }
    const GlyphTable& Large() const { return large_; }    // the notation, 10 x 84
    const GlyphTable& Medium() const { return medium_; }  // note-menu pictures, 7 x 56
    const GlyphTable& Small() const { return small_; }    // unit-note box, 5 x 42

    // Copies glyph `code` (159..169) of `table` to (x, y) of `target` with the AND raster op.
    // Other codes copy nothing.
    void CopyGlyph(QImage& target, const GlyphTable& table, int code, int x, int y) const;

    // The picture of note-menu item `menuPosition` (0-5, 9-14): the medium glyph on white as
    // placed in a 20 x 24 picture (26 high for items 0 and 14), enlarged kMenuPictureZoom
    // times, for a screen of `devicePixelRatio`. A null pixmap for the text items 6-8.
    static constexpr double kMenuPictureZoom = 1.5;
    QPixmap MenuPicture(int menuPosition, qreal devicePixelRatio = 1.0) const;

  private:
    QImage image_;
    GlyphTable large_{};
    GlyphTable medium_{};
    GlyphTable small_{};
};

// The outline of large glyph `code` (159..169) in pixels of its rectangle, whose top-left corner
// is where the notation copies the glyph: the same design as the sheet, as a shape that a
// vector page (PDF) can fill at any size. Empty for other codes.
QPainterPath NoteGlyphOutline(int code);

}  // namespace ritmora
