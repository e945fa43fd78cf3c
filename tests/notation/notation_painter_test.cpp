#include "notation/qt/notation_painter.h"

#include <gtest/gtest.h>

#include <QFont>

#include "notation/geometry.h"
#include "notation/qt/glyph_sheet.h"
#include "notation/qt/notation_view.h"
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

bool AnyInk(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == kBlack) return true;
        }
    }
    return false;
}

TEST(GlyphSheet, TablesAndInk) {
    const GlyphSheet& sheet = Sheet();
    EXPECT_EQ(sheet.Image().size(), QSize(240, 230));

    const QImage& image = sheet.Image();
    for (const GlyphTable* table : {&sheet.Large(), &sheet.Medium(), &sheet.Small()}) {
        for (int i = 0; i < 11; ++i) {
            const GlyphRect& r = (*table)[static_cast<std::size_t>(i)];
            const double sy = r.height / 84.0;
            // Ink on the head rows (38..45 scaled), white above the stem tops (row 0).
            const int headTop = static_cast<int>(38 * sy);
            const int headBottom = static_cast<int>(45 * sy + 0.999);
            EXPECT_TRUE(
                AnyInk(image, QRect(r.srcX, r.srcY + headTop, r.width, headBottom - headTop + 1)))
                << "glyph " << 159 + i << " height " << int(r.height);
            for (int x = r.srcX; x < r.srcX + r.width; ++x) {
                EXPECT_EQ(image.pixel(x, r.srcY), kWhite);
            }
            // Only black and white inside the glyph, red just right of its column.
            for (int y = r.srcY; y < r.srcY + r.height; ++y) {
                for (int x = r.srcX; x < r.srcX + r.width; ++x) {
                    const QRgb p = image.pixel(x, y);
                    ASSERT_TRUE(p == kBlack || p == kWhite) << x << "," << y;
                }
                EXPECT_EQ(image.pixel(r.srcX + r.width, y), kRed);
            }
        }
    }
}

TEST(GlyphSheet, StemDirections) {
    const GlyphSheet& sheet = Sheet();
    const QImage& image = sheet.Image();
    auto inkRows = [&](int code) {
        const GlyphRect& r = sheet.Large()[static_cast<std::size_t>(code - 159)];
        int top = -1, bottom = -1;
        for (int y = 0; y < r.height; ++y) {
            if (AnyInk(image, QRect(r.srcX, y, r.width, 1))) {
                if (top < 0) top = y;
                bottom = y;
            }
        }
        return std::pair{top, bottom};
    };
    for (int code : {160, 162, 164, 166, 168}) {
        const auto [top, bottom] = inkRows(code);
        EXPECT_GE(top, 10) << code;
        EXPECT_LE(top, 15) << code;
        EXPECT_LE(bottom, 46) << code;
    }
    for (int code : {161, 163, 165, 167, 169}) {
        const auto [top, bottom] = inkRows(code);
        EXPECT_GE(top, 37) << code;
        EXPECT_GE(bottom, 69) << code;
        EXPECT_LE(bottom, 74) << code;
    }
    const auto [wholeTop, wholeBottom] = inkRows(159);
    EXPECT_GE(wholeTop, 37);
    EXPECT_LE(wholeBottom, 46);
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

TEST(NotationPainter, EmptyStaff) {
    QImage picture(kNotationWidth, 150, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    DrawEmptyStaff(picture);
    EXPECT_EQ(picture.pixel(20, 60), kBlack);
    EXPECT_EQ(picture.pixel(940, 90), kBlack);
    EXPECT_EQ(picture.pixel(19, 60), kWhite);
    EXPECT_EQ(picture.pixel(941, 60), kWhite);
    EXPECT_EQ(picture.pixel(40 + 5, 75), qRgb(200, 200, 200));
    EXPECT_EQ(picture.pixel(920, 70), qRgb(200, 200, 200));
    EXPECT_EQ(picture.pixel(40, 75), kWhite);
    EXPECT_EQ(picture.pixel(0, 149), kWhite);  // one row: no divider
}

TEST(NotationPainter, FourRowsAndDividers) {
    UsulRecord usul;
    usul.Cell(180).rightDuration = 8;
    QImage picture = PictureFor(usul);
    EXPECT_EQ(picture.height(), 600);
    EXPECT_EQ(Draw(picture, usul), 8);
    for (int y : {149, 150, 299, 300, 449, 450}) {
        EXPECT_EQ(picture.pixel(0, y), kBlack) << y;
        EXPECT_EQ(picture.pixel(960, y), kBlack) << y;
        EXPECT_EQ(picture.pixel(961, y), kWhite) << y;
    }
    EXPECT_EQ(picture.pixel(0, 148), kWhite);
    EXPECT_EQ(picture.pixel(0, 151), kWhite);
    EXPECT_EQ(picture.pixel(40 + 5, 450 + 75), qRgb(200, 200, 200));
}

TEST(NotationPainter, GlyphsDotsAndSeparators) {
    UsulRecord usul;
    usul.Cell(1).rightDuration = 24;  // dotted quarter, stem up
    usul.Cell(2).leftDuration = 7;    // double-dotted sixteenth, stem down
    usul.Cell(2).separator = 1;
    QImage picture = PictureFor(usul);
    EXPECT_EQ(Draw(picture, usul), 31);

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

TEST(NotationPainter, SyllablesAndLettersLeaveInk) {
    UsulRecord usul;
    usul.Cell(1).rightDuration = 16;
    usul.Cell(1).syllable = "Düm";
    usul.Cell(1).loudness = 3;
    usul.Cell(3).leftDuration = 16;
    usul.Cell(3).syllable = "Tek";
    QImage picture = PictureFor(usul);
    Draw(picture, usul);
    auto anyDark = [&](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(picture.pixel(x, y)) < 128) return true;
        return false;
    };
    EXPECT_TRUE(anyDark(QRect(37, 4, 8, 12)));      // "F" at (x + 1, T + 4)
    EXPECT_TRUE(anyDark(QRect(73, 119, 20, 14)));   // "Tek" below the lower line
    EXPECT_FALSE(anyDark(QRect(77, 134, 10, 14)));  // no loudness on cell 3
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

TEST(NotationPainter, RingOutlinesHideAndRestore) {
    QImage picture(kNotationWidth, 300, QImage::Format_RGB32);
    DrawEmptyStaff(picture);
    const QImage original = picture.copy();
    DrawRingOutlines(picture, 2, Qt::white);
    EXPECT_EQ(picture.pixel(45, 75), kWhite);
    EXPECT_EQ(picture.pixel(45, 225), kWhite);
    DrawRingOutlines(picture, 2, QColor(200, 200, 200));
    EXPECT_EQ(picture, original);
}

TEST(NotationPainter, BeatMarkerToggleRestores) {
    UsulRecord usul;
    usul.Cell(1).rightDuration = 16;
    usul.Cell(2).leftDuration = 16;
    QImage picture = PictureFor(usul);
    Draw(picture, usul);
    const QImage original = picture.copy();
    ToggleBeatMarker(picture, 40, 75);
    EXPECT_NE(picture, original);
    EXPECT_NE(picture.pixel(43, 75), original.pixel(43, 75));
    ToggleBeatMarker(picture, 40, 75);
    EXPECT_EQ(picture, original);
}

TEST(NotationPainter, DotPainters) {
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    BirNoktaKoy(picture, 0, 10);
    IkiNoktaKoy(picture, 0, 30);
    int black = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) black += picture.pixel(x, y) == kBlack;
    EXPECT_EQ(black, 16);
    EXPECT_EQ(picture.pixel(14, 8), kBlack);
    EXPECT_EQ(picture.pixel(14, 10), kWhite);
    EXPECT_EQ(picture.pixel(17, 31), kBlack);
    BirNoktaKoy(picture, 38, 0);  // off the edge: clipped, no crash
}

TEST(NotationView, SizesAndSignals) {
    NotationView view;
    view.SetPictureSize(kNotationWidth, 300);
    EXPECT_EQ(view.Picture().size(), QSize(964, 300));
    EXPECT_EQ(view.size(), QSize(964, 300));
    EXPECT_EQ(view.Picture().pixel(5, 5), kWhite);
    EXPECT_TRUE(view.hasMouseTracking());
}

}  // namespace
}  // namespace ritmora
