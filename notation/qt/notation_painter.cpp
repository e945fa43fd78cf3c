#include "notation/qt/notation_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "library/rounding.h"
#include "notation/geometry.h"
#include "notation/notation_scene.h"

namespace ritmora {
namespace {

const QRgb kInk = qRgb(0, 0, 0);
const QRgb kRingGrey = qRgb(200, 200, 200);
const QRgb kSeparatorRed = qRgb(255, 0, 0);

void EnsureRasterFormat(QImage& picture) {
    if (picture.format() != QImage::Format_RGB32 &&
        picture.format() != QImage::Format_ARGB32_Premultiplied) {
        picture.convertTo(QImage::Format_RGB32);
    }
}

void SetPixel(QImage& picture, int x, int y, QRgb colour) {
    if (picture.valid(x, y)) picture.setPixel(x, y, colour);
}

// Scene lines are horizontal or vertical; both end points are drawn.
void DrawLine(QImage& picture, const SceneLine& line, QRgb colour) {
    if (line.y1 == line.y2) {
        for (int x = std::min(line.x1, line.x2); x <= std::max(line.x1, line.x2); ++x) {
            SetPixel(picture, x, line.y1, colour);
        }
    } else if (line.x1 == line.x2) {
        for (int y = std::min(line.y1, line.y2); y <= std::max(line.y1, line.y2); ++y) {
            SetPixel(picture, line.x1, y, colour);
        }
    } else {
        QPainter painter(&picture);
        painter.setPen(QPen(QColor(colour), 1));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

void DrawRing(QImage& picture, const ScenePoint& centre, QRgb colour) {
    for (const PixelOffset& offset : RingOutlineOffsets()) {
        SetPixel(picture, centre.x + offset.dx, centre.y + offset.dy, colour);
    }
}

void DrawDots(QImage& picture, int dotCount, int x, int y) {
    for (const PixelOffset& offset : DotPixelOffsets(dotCount)) {
        SetPixel(picture, x + offset.dx, y + offset.dy, kInk);
    }
}

void RenderStaff(QImage& picture, const NotationScene& scene) {
    picture.fill(Qt::white);  // also the fill of every ring: the picture's background
    for (const SceneLine& line : scene.staffLines) DrawLine(picture, line, kInk);
    for (const ScenePoint& centre : scene.ringCentres) DrawRing(picture, centre, kRingGrey);
    for (const SceneLine& line : scene.rowDividers) DrawLine(picture, line, kInk);
}

enum class Halo { kNone, kBackground };

// With a halo, each text first clears a one-pixel border around its letters to the background,
// so that a stem or flag reaching into it stops short of the letters instead of running into them.
void DrawTexts(QImage& picture, const std::vector<SceneText>& texts, const QFont& font,
               Halo halo = Halo::kNone) {
    if (texts.empty()) return;
    QPainter painter(&picture);
    painter.setFont(font);
    const int ascent = QFontMetrics(font, &picture).ascent();
    // Every halo before any text: a halo never bites into a neighbour's letters.
    if (halo == Halo::kBackground) {
        painter.setPen(Qt::white);
        for (const SceneText& text : texts) {
            const QString shown = QString::fromStdString(text.text);
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    painter.drawText(QPoint(text.x + dx, text.y + ascent + dy), shown);
                }
            }
        }
    }
    painter.setPen(QColor(kInk));
    for (const SceneText& text : texts) {
        painter.drawText(QPoint(text.x, text.y + ascent), QString::fromStdString(text.text));
    }
}

// The separator's red dashes stop a pixel short of a dot that stands beside them, so the dot
// stays a dot.
void DrawSeparators(QImage& picture, const NotationScene& scene) {
    auto nearDot = [&scene](int x, int y) {
        return std::any_of(scene.dotPixels.begin(), scene.dotPixels.end(),
                           [x, y](const ScenePoint& dot) {
                               return std::abs(dot.x - x) <= 1 && std::abs(dot.y - y) <= 1;
                           });
    };
    for (const SceneLine& dash : scene.separatorDashes) {
        for (int y = std::min(dash.y1, dash.y2); y <= std::max(dash.y1, dash.y2); ++y) {
            if (!nearDot(dash.x1, y)) SetPixel(picture, dash.x1, y, kSeparatorRed);
        }
    }
}

}  // namespace

void DrawEmptyStaff(QImage& picture) {
    EnsureRasterFormat(picture);
    const int rows = static_cast<int>(RoundHalfEven(picture.height() / double(kRowHeight)));
    RenderStaff(picture, BuildEmptyStaffScene(rows));
}

int DrawNotation(QImage& picture, const UsulRecord& usul, const GlyphSheet& glyphs,
                 const LoudnessLetters& letters, const QFont& font) {
    EnsureRasterFormat(picture);
    const NotationScene scene = BuildNotationScene(
        usul,
        {letters.loud.toStdString(), letters.medium.toStdString(), letters.soft.toStdString()});
    // The staff follows the picture's own height, as the empty staff always does.
    const int rows = static_cast<int>(RoundHalfEven(picture.height() / double(kRowHeight)));
    RenderStaff(picture, BuildEmptyStaffScene(rows));

    for (const SceneGlyph& glyph : scene.glyphs) {
        glyphs.CopyGlyph(picture, glyphs.Large(), glyph.code, glyph.x, glyph.y);
    }
    for (const ScenePoint& pixel : scene.dotPixels) SetPixel(picture, pixel.x, pixel.y, kInk);
    DrawTexts(picture, scene.syllables, font, Halo::kBackground);
    DrawTexts(picture, scene.loudnessLetters, font);
    DrawSeparators(picture, scene);
    return scene.total;
}

void BirNoktaKoy(QImage& picture, int x, int y) { DrawDots(picture, 1, x, y); }

void IkiNoktaKoy(QImage& picture, int x, int y) { DrawDots(picture, 2, x, y); }

void DrawRingOutlines(QImage& picture, int rows, const QColor& colour) {
    for (const ScenePoint& centre : BuildEmptyStaffScene(rows).ringCentres) {
        DrawRing(picture, centre, colour.rgb());
    }
}

void ToggleBeatMarker(QImage& picture, int x, int y) {
    EnsureRasterFormat(picture);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(QPen(QColor(0, 0, 255), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPoint(x, y), 3, 3);
}

}  // namespace ritmora
