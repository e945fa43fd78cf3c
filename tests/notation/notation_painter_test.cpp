#include "notation/qt/notation_painter.h"

#include <gtest/gtest.h>

#include <QFont>
#include <tuple>

#include "notation/geometry.h"
#include "notation/qt/glyph_sheet.h"
#include "notation/relayout.h"

namespace ritmora {
namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);

const GlyphSheet& Sheet() {
    static const GlyphSheet sheet;
    return sheet;
}

QImage PictureFor(const UsulRecord& usul) {
    QImage picture(kNotationWidth, kRowHeight * RowCountForLastRing(MevcutHalka(usul)),
                   QImage::Format_RGB32);
    return picture;
}

int Draw(QImage& picture, const UsulRecord& usul) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSize(8);
    return DrawNotation(picture, usul, Sheet(), {"F", "M", "P"}, font);
}

// Black ink, or with `darkerThan` any pixel darker than that grey (smoothed letters).
bool AnyInk(const QImage& image, QRect area, int darkerThan = 1) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < darkerThan) return true;
        }
    }
    return false;
}

// The first and last rows of `area` (relative to its top) that hold black ink.
std::pair<int, int> InkRows(const QImage& image, QRect area) {
    int top = -1, bottom = -1;
    for (int y = 0; y < area.height(); ++y) {
        if (AnyInk(image, QRect(area.left(), area.top() + y, area.width(), 1))) {
            if (top < 0) top = y;
            bottom = y;
        }
    }
    return {top, bottom};
}

TEST(GlyphSheet, EveryGlyphHasItsHeadAndStemAndCleanEdges) {
    const GlyphSheet& sheet = Sheet();
    const QImage& image = sheet.Image();
    EXPECT_EQ(image.size(), QSize(240, 230));
    for (const GlyphTable* table : {&sheet.Large(), &sheet.Medium(), &sheet.Small()}) {
        for (int code = 159; code < 170; ++code) {
            const GlyphRect& r = (*table)[static_cast<std::size_t>(code - 159)];
            const double sy = r.height / 84.0;
            // Ink on the head rows (38..45 scaled).
            const int headTop = static_cast<int>(38 * sy);
            const int headBottom = static_cast<int>(45 * sy + 0.999);
            EXPECT_TRUE(
                AnyInk(image, QRect(r.srcX, r.srcY + headTop, r.width, headBottom - headTop + 1)))
                << "glyph " << code << " height " << int(r.height);
            // Only black and white inside the glyph, white on its top row, red just right of it.
            for (int y = r.srcY; y < r.srcY + r.height; ++y) {
                for (int x = r.srcX; x < r.srcX + r.width; ++x) {
                    const QRgb p = image.pixel(x, y);
                    ASSERT_TRUE(p == kWhite || (p == kBlack && y > r.srcY)) << x << "," << y;
                }
                EXPECT_EQ(image.pixel(r.srcX + r.width, y), kRed);
            }
            if (table != &sheet.Large()) continue;
            const auto [top, bottom] = InkRows(image, QRect(r.srcX, r.srcY, r.width, r.height));
            if (code == 159) {  // the whole note: a head only
                EXPECT_GE(top, 37);
                EXPECT_LE(bottom, 46);
            } else if (code % 2 == 0) {  // stem up
                EXPECT_TRUE(top >= 10 && top <= 15 && bottom <= 46) << code;
            } else {  // stem down
                EXPECT_TRUE(top >= 37 && bottom >= 69 && bottom <= 74) << code;
            }
        }
    }
    // The flags of an eighth stem up reach into the widened part of its column.
    const GlyphRect& eighth = sheet.Large()[164 - 159];
    EXPECT_TRUE(AnyInk(image, QRect(eighth.srcX + 11, 0, 7, 84)));
}

TEST(GlyphSheet, MenuPicturesTellTheShortValuesApartAtEveryScale) {
    const GlyphSheet& sheet = Sheet();
    for (int position : {6, 7, 8, 15, -1}) EXPECT_TRUE(sheet.MenuPicture(position).isNull());
    // The most separate runs of ink one column of a picture crosses: its flags (and a head).
    auto flags = [&sheet](int position, qreal ratio) {
        const QImage image = sheet.MenuPicture(position, ratio).toImage();
        int most = 0;
        for (int x = 0; x < image.width(); ++x) {
            int runs = 0;
            for (int y = 0; y < image.height(); ++y) {
                runs += qGray(image.pixel(x, y)) < 128 &&
                        (y == 0 || qGray(image.pixel(x, y - 1)) >= 128);
            }
            most = std::max(most, runs);
        }
        return most;
    };
    // Stem up (0-2) and down (14-12): a 32nd shows one flag more than a 16th, two more than an
    // 8th, on a plain and on a doubled screen.
    for (qreal ratio : {1.0, 2.0}) {
        for (int shortest : {0, 14}) {
            const int step = shortest == 0 ? 1 : -1;
            EXPECT_EQ(flags(shortest, ratio), flags(shortest + step, ratio) + 1) << shortest;
            EXPECT_EQ(flags(shortest, ratio), flags(shortest + 2 * step, ratio) + 2) << shortest;
        }
    }
}

// Where the lines lie is the scene's test; here they must be drawn, in their colours.
TEST(NotationPainter, StaffRingsAndDividers) {
    QImage empty(kNotationWidth, 150, QImage::Format_RGB32);
    empty.fill(Qt::blue);
    DrawEmptyStaff(empty);
    UsulRecord usul;
    usul.Cell(180).rightDuration = 8;
    QImage four = PictureFor(usul);
    EXPECT_EQ(four.height(), 600);
    EXPECT_EQ(Draw(four, usul), 8);
    const QRgb grey = qRgb(200, 200, 200);
    for (const QImage* picture : {&empty, &four}) {
        for (const auto& [x, y, colour] : std::vector<std::tuple<int, int, QRgb>>{
                 {20, 60, kBlack},
                 {940, 90, kBlack},
                 {19, 60, kWhite},
                 {45, 75, grey},
                 {920, 70, grey},
                 {40, 75, kWhite},
                 {0, 149, picture == &empty ? kWhite : kBlack}}) {
            EXPECT_EQ(picture->pixel(x, y), colour) << x << "," << y;
        }
    }
    for (int y : {150, 449, 450}) EXPECT_EQ(four.pixel(960, y), kBlack) << y;
    EXPECT_EQ(four.pixel(0, 151), kWhite);
    EXPECT_EQ(four.pixel(40 + 5, 450 + 75), grey);
}

TEST(NotationPainter, GlyphsDotsSeparatorsSyllablesAndLetters) {
    UsulRecord usul;
    usul.Cell(1).rightDuration = 24;  // dotted quarter, stem up
    usul.Cell(1).loudness = 3;
    usul.Cell(2).leftDuration = 7;  // double-dotted sixteenth, stem down
    usul.Cell(2).separator = 1;
    usul.Cell(4).leftDuration = 16;
    usul.Cell(4).syllable = "Tek";
    QImage picture = PictureFor(usul);
    EXPECT_EQ(Draw(picture, usul), 47);
    EXPECT_TRUE(AnyInk(picture, QRect(37, 4, 8, 12), 128));      // "F" at (x + 1, T + 4)
    EXPECT_TRUE(AnyInk(picture, QRect(93, 119, 20, 14), 128));   // "Tek" below the lower line
    EXPECT_FALSE(AnyInk(picture, QRect(97, 134, 10, 14), 128));  // no loudness on cell 4

    // Quarter stem up at (36, 18): filled head around the upper line, stem on its right.
    EXPECT_TRUE(AnyInk(picture, QRect(37, 56, 8, 3)));
    EXPECT_TRUE(AnyInk(picture, QRect(36, 18 + 25, 10, 5)));  // stem well above the head
    EXPECT_FALSE(AnyInk(picture, QRect(36, 18, 10, 9)));      // nothing above the stem top
    // One dot right of the head on the upper line.
    for (auto [dx, dy] : {std::pair{13, -1}, {14, -2}, {14, 2}, {15, 1}}) {
        EXPECT_EQ(picture.pixel(36 + dx, 60 + dy), kBlack);
    }
    // Sixteenth stem down at (56, 49): head around the lower line, stem below it.
    EXPECT_TRUE(AnyInk(picture, QRect(57, 86, 8, 3)));
    EXPECT_TRUE(AnyInk(picture, QRect(56, 49 + 55, 3, 10)));
    for (int dx : {12, 13, 16, 17}) {
        EXPECT_EQ(picture.pixel(56 + dx, 89), kBlack);
        EXPECT_EQ(picture.pixel(56 + dx, 91), kBlack);
    }
    EXPECT_EQ(picture.pixel(56 + 15, 89), kWhite);  // the gap between the two dots
    // The staff line shows through the glyph columns (AND copy).
    EXPECT_EQ(picture.pixel(36, 90), kBlack);
    // Red separator dashes at x 56 + 14; the last stops a pixel short of the dots beside it.
    for (int y : {61, 66, 72, 78, 84, 87}) EXPECT_EQ(picture.pixel(70, y), kRed) << y;
    for (int y : {60, 67, 71, 79, 83, 88, 89}) EXPECT_NE(picture.pixel(70, y), kRed) << y;
}

TEST(NotationPainter, StemsAndFlagsStopShortOfTheSyllable) {
    // A 32nd stem down reaches into its syllable, a whole note does not: no pixel next to the
    // letters (as the whole note's cell shows them) takes the 32nd's ink.
    auto draw = [](std::uint8_t leftDuration) {
        UsulRecord usul;
        usul.Cell(1).leftDuration = leftDuration;
        usul.Cell(1).syllable = "Tek";
        QImage picture = PictureFor(usul);
        Draw(picture, usul);
        return picture;
    };
    const QImage letters = draw(64), crowded = draw(2);
    auto dark = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; };
    int touching = 0;
    for (int y = 101; y < 149; ++y) {
        for (int x = 1; x < 60; ++x) {
            for (int d = 0; d < 9 && dark(crowded, x, y) && !dark(letters, x, y); ++d) {
                touching += dark(letters, x + d % 3 - 1, y + d / 3 - 1);
            }
        }
    }
    EXPECT_EQ(touching, 0);
}

TEST(NotationPainter, RingOutlinesAndTheBeatMarkerToggleBack) {
    UsulRecord usul;
    usul.Cell(1).rightDuration = 16;
    usul.Cell(47).leftDuration = 16;
    QImage picture = PictureFor(usul);
    Draw(picture, usul);
    const QImage original = picture.copy();
    DrawRingOutlines(picture, 2, Qt::white);
    EXPECT_EQ(picture.pixel(45, 75), kWhite);
    EXPECT_EQ(picture.pixel(45, 225), kWhite);
    DrawRingOutlines(picture, 2, QColor(200, 200, 200));
    EXPECT_EQ(picture, original);
    ToggleBeatMarker(picture, 40, 75);
    EXPECT_NE(picture.pixel(43, 75), original.pixel(43, 75));
    ToggleBeatMarker(picture, 40, 75);
    EXPECT_EQ(picture, original);
}

}  // namespace
}  // namespace ritmora
