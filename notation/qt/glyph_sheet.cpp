#include "notation/qt/glyph_sheet.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <vector>

#include "notation/note_values.h"

namespace ritmora {
namespace {

constexpr int kSheetWidth = 240;
constexpr int kSheetHeight = 230;
constexpr int kGlyphPitch = 20;
constexpr int kGlyphCount = 11;

// One size of glyph on the sheet. Shapes are designed on the large 10 x 84 grid and scaled by
// (scaleX, scaleY); stems are snapped to whole pixel columns so they stay solid at every size.
struct GlyphSize {
    int top;
    int width;
    int height;
    int flaggedWidth;
    const char* label;
    double ScaleX() const { return width / 10.0; }
    double ScaleY() const { return height / 84.0; }
};

constexpr GlyphSize kLarge{0, 10, 84, 18, "24"};
constexpr GlyphSize kMedium{90, 7, 56, 12, "16"};
constexpr GlyphSize kSmall{150, 5, 42, 9, "12"};

struct GlyphShape {
    bool hollow = false;
    bool whole = false;
    int stem = 0;   // +1 up (right hand), -1 down (left hand), 0 none
    int flags = 0;  // 0..3
};

GlyphShape ShapeOf(int code) {
    GlyphShape shape;
    if (code == 159) {
        shape.hollow = true;
        shape.whole = true;
        return shape;
    }
    const int index = code - 160;  // 0..9: half up, half down, quarter up, ...
    shape.stem = index % 2 == 0 ? 1 : -1;
    shape.hollow = index < 2;
    shape.flags = index < 4 ? 0 : (index - 2) / 2;
    return shape;
}

// A tilted ellipse around (cx, cy) in large-grid units.
QPainterPath Ellipse(double cx, double cy, double rx, double ry, double degrees) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform transform;
    transform.translate(cx, cy);
    transform.rotate(degrees);
    return transform.map(path);
}

// The note head: centred on row 42 of the large grid, so it spans rows 38 to 45.
QPainterPath HeadPath(const GlyphShape& shape) {
    QPainterPath head;
    head.setFillRule(Qt::OddEvenFill);
    if (shape.whole) {
        head.addPath(Ellipse(5.0, 42.0, 4.9, 3.5, -12));
        head.addPath(Ellipse(5.0, 42.0, 2.6, 1.7, 55));
    } else {
        head.addPath(Ellipse(5.0, 42.0, 4.3, 3.0, -25));
        if (shape.hollow) head.addPath(Ellipse(5.0, 42.0, 3.4, 1.25, -35));
    }
    return head;
}

// One flag hanging from (x, y) on the large grid: down and to the right for a stem up
// (direction +1), up and to the right for a stem down (direction -1).
QPainterPath FlagPath(double x, double y, int direction) {
    const double d = direction;
    QPainterPath flag;
    flag.moveTo(x, y);
    flag.cubicTo(x + 0.8, y + d * 4.0, x + 8.2, y + d * 5.0, x + 7.0, y + d * 13.0);
    flag.cubicTo(x + 6.4, y + d * 9.5, x + 3.0, y + d * 8.0, x, y + d * 6.5);
    flag.closeSubpath();
    return flag;
}

int SnapColumn(double largeColumn, double scale) {
    return static_cast<int>(std::floor(largeColumn * scale + 0.5));
}

// The parts of glyph `code` at `size`, in pixels of its table rectangle: the note head, the stem
// (snapped to one whole pixel column; null when there is none) and the flags.
struct GlyphParts {
    QPainterPath head;
    QRect stem;
    std::vector<QPainterPath> flags;
};

GlyphParts PartsOf(int code, const GlyphSize& size) {
    const GlyphShape shape = ShapeOf(code);
    const double sx = size.ScaleX();
    const double sy = size.ScaleY();
    const QTransform scale = QTransform::fromScale(sx, sy);
    GlyphParts parts;
    parts.head = scale.map(HeadPath(shape));
    if (shape.stem == 0) return parts;
    const int flagStep = 6;
    if (shape.stem > 0) {
        const int stemTop = 14 - shape.flags + (shape.flags == 0 ? -1 : 0);
        const int column = SnapColumn(8.0, sx);
        const int top = SnapColumn(stemTop, sy);
        const int bottom = SnapColumn(41.0, sy);
        parts.stem = QRect(column, top, 1, bottom - top + 1);
        for (int f = 0; f < shape.flags; ++f) {
            const double y = stemTop + f * flagStep;
            parts.flags.push_back(scale.map(FlagPath(column / sx + 0.5, y, +1)));
        }
    } else {
        const int stemBottom = 70 + shape.flags + (shape.flags == 0 ? 2 : 1);
        const int column = SnapColumn(1.0, sx);
        const int top = SnapColumn(42.0, sy);
        const int bottom = SnapColumn(stemBottom, sy);
        parts.stem = QRect(column, top, 1, bottom - top + 1);
        for (int f = 0; f < shape.flags; ++f) {
            const double y = stemBottom + 1 - f * flagStep;
            parts.flags.push_back(scale.map(FlagPath(column / sx + 0.5, y, -1)));
        }
    }
    return parts;
}

// Draws glyph `code` of `size` as black ink on a white image the size of its table rectangle,
// anti-aliased and then cut to pure black and white so an AND copy leaves clean ink.
QImage RenderGlyph(int code, const GlyphSize& size, int width) {
    const GlyphParts parts = PartsOf(code, size);
    QImage grey(width, size.height, QImage::Format_Grayscale8);
    grey.fill(255);
    {
        QPainter painter(&grey);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPath(parts.head);
        if (!parts.stem.isNull()) painter.fillRect(parts.stem, Qt::black);
        for (const QPainterPath& flag : parts.flags) painter.drawPath(flag);
    }

    QImage ink(width, size.height, QImage::Format_RGB32);
    for (int y = 0; y < size.height; ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            ink.setPixel(x, y, line[x] < 150 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return ink;
}

bool IsFlaggedStemUp(int code) { return code == 164 || code == 166 || code == 168; }

GlyphTable MakeTable(const GlyphSize& size) {
    GlyphTable table{};
    for (int i = 0; i < kGlyphCount; ++i) {
        const int code = kFirstGlyphCode + i;
        table[static_cast<std::size_t>(i)] = {
            static_cast<std::uint8_t>(kGlyphPitch * i), static_cast<std::uint8_t>(size.top),
            static_cast<std::uint8_t>(IsFlaggedStemUp(code) ? size.flaggedWidth : size.width),
            static_cast<std::uint8_t>(size.height)};
    }
    return table;
}

struct MenuImage {
    int code;
    int y;
};

// Note-menu items 0-5 (right hand, short to long) and 9-14 (left hand, long to short).
MenuImage MenuImageOf(int position) {
    static constexpr std::array<MenuImage, 15> kImages = {{{168, -8},
                                                           {166, -9},
                                                           {164, -9},
                                                           {162, -9},
                                                           {160, -9},
                                                           {159, -16},
                                                           {0, 0},
                                                           {0, 0},
                                                           {0, 0},
                                                           {159, -16},
                                                           {161, -25},
                                                           {163, -25},
                                                           {165, -25},
                                                           {167, -25},
                                                           {169, -25}}};
    if (position < 0 || position >= static_cast<int>(kImages.size())) return {0, 0};
    return kImages[static_cast<std::size_t>(position)];
}

}  // namespace

GlyphSheet::GlyphSheet()
    : image_(kSheetWidth, kSheetHeight, QImage::Format_RGB32),
      large_(MakeTable(kLarge)),
      medium_(MakeTable(kMedium)),
      small_(MakeTable(kSmall)) {
    image_.fill(qRgb(255, 0, 0));
    QPainter painter(&image_);
    const std::pair<const GlyphSize*, const GlyphTable*> rows[] = {
        {&kLarge, &large_}, {&kMedium, &medium_}, {&kSmall, &small_}};
    for (const auto& [size, table] : rows) {
        for (int i = 0; i < kGlyphCount; ++i) {
            const GlyphRect& rect = (*table)[static_cast<std::size_t>(i)];
            painter.drawImage(QPoint(rect.srcX, rect.srcY),
                              RenderGlyph(kFirstGlyphCode + i, *size, rect.width));
        }
        QFont font = painter.font();
        font.setPixelSize(10);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(222, size->top, 18, 14), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromLatin1(size->label));
    }
}

void GlyphSheet::CopyGlyph(QImage& target, const GlyphTable& table, int code, int x, int y) const {
    if (code < kFirstGlyphCode || code > kLastGlyphCode) return;
    if (target.format() != QImage::Format_RGB32 &&
        target.format() != QImage::Format_ARGB32_Premultiplied) {
        target.convertTo(QImage::Format_RGB32);  // raster ops need one of these two formats
    }
    const GlyphRect& rect = table[static_cast<std::size_t>(code - kFirstGlyphCode)];
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(QPoint(x, y), image_, QRect(rect.srcX, rect.srcY, rect.width, rect.height));
}

QPixmap GlyphSheet::MenuPicture(int menuPosition, qreal devicePixelRatio) const {
    const MenuImage menu = MenuImageOf(menuPosition);
    if (menu.code == 0) return {};
    // The medium glyph's place in a 20 x 24 (26) picture, drawn from the glyph's outline at
    // kMenuPictureZoom times that size and at the screen's pixels: at the sheet's own size
    // the flags of a 16th and a 32nd run together.
    const int height = (menuPosition == 0 || menuPosition == 14) ? 26 : 24;
    const QSizeF size(20 * kMenuPictureZoom, height * kMenuPictureZoom);
    QImage picture((size * devicePixelRatio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kMenuPictureZoom, kMenuPictureZoom);
    painter.translate(4, menu.y);
    painter.scale(kMedium.ScaleX(), kMedium.ScaleY());
    painter.fillPath(NoteGlyphOutline(menu.code), Qt::black);
    painter.end();
    return QPixmap::fromImage(picture);
}

QPainterPath NoteGlyphOutline(int code) {
    if (code < kFirstGlyphCode || code > kLastGlyphCode) return {};
    const GlyphParts parts = PartsOf(code, kLarge);
    QPainterPath outline = parts.head;
    if (!parts.stem.isNull()) {
        QPainterPath stem;
        stem.addRect(parts.stem);
        outline = outline.united(stem);
    }
    for (const QPainterPath& flag : parts.flags) outline = outline.united(flag);
    return outline;
}

}  // namespace ritmora
