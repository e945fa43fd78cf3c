// The printed page: its layout drawn at a known resolution, and a real print into a PDF file.
#include "export/qt/printing.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPainter>

#include "export/qt/offscreen_notation.h"
#include "notation/qt/glyph_sheet.h"
#include "notation/qt/notation_painter.h"
#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

using testing::Glyphs;
using testing::IsDark;
using testing::IsGrey;
using testing::IsWhite;
using testing::RingEdge;
using testing::TempFolder;
using testing::UsulOfRings;


// The page drawn into an image at 96 dpi, where one notation pixel (15 twips) is one page pixel.
QImage PageAt96Dpi(const QImage& notation, int beatCount, int pageWidth) {
    QImage hidden = notation.convertToFormat(QImage::Format_RGB32);
    const PrintLayout layout = ComposePrintLayout(beatCount, notation.width(), notation.height(),
                                                  DeviceToTwips(pageWidth, 96));
    DrawRingOutlines(hidden, layout.rows, Qt::white);
    QImage page(pageWidth, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintPrintPage(painter, hidden, layout, QStringLiteral("5 / 8        Name"), 96, pageWidth);
    painter.end();
    return page;
}

TEST(PrintPage, OneRowIsCopiedUnscaledBelowTheTitle) {
    const UsulRecord usul = UsulOfRings(5, 5, 8);
    const QImage page = PageAt96Dpi(DrawNotationPicture(usul, Glyphs(), Language::English), 5, 760);
    const int top = 33;                                  // 500 twips at 96 dpi
    EXPECT_TRUE(IsDark(page.pixelColor(20, top + 60)));  // staff line, unscaled
    EXPECT_TRUE(IsDark(page.pixelColor(149, top + 90)));
    EXPECT_TRUE(IsWhite(page.pixelColor(150, top + 90)));  // the strip is 150 pixels wide
    EXPECT_TRUE(IsWhite(page.pixelColor(300, top + 60)));
    for (int column = 1; column <= 5; ++column) {
        EXPECT_TRUE(IsWhite(RingEdge(page, 1, column, 0, top))) << column;
    }
    bool titleInk = false;  // the title's top-left corner is at (600, 300) twips = (40, 20)
    for (int y = 20; y < top; ++y)
        for (int x = 40; x < 200; ++x) titleInk = titleInk || IsDark(page.pixelColor(x, y));
    EXPECT_TRUE(titleInk);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 760; ++x) ASSERT_FALSE(IsDark(page.pixelColor(x, y))) << x << "," << y;
}

TEST(PrintPage, SeveralRowsAreStretchedToThePageWidth) {
    const UsulRecord usul = UsulOfRings(60);
    const QImage notation = DrawNotationPicture(usul, Glyphs(), Language::English);
    const QImage page = PageAt96Dpi(notation, 60, 1928);  // twice the picture's width
    const int top = 33;
    // The row divider (x 0..960 at y 149 and 150) now spans 1920 pixels; heights stay.
    EXPECT_TRUE(IsDark(page.pixelColor(1915, top + 149)));
    EXPECT_TRUE(IsDark(page.pixelColor(1915, top + 150)));
    EXPECT_TRUE(IsWhite(page.pixelColor(1915, top + 152)));
    EXPECT_TRUE(IsDark(page.pixelColor(60, top + 150 + 60)));  // second row's upper line
}

TEST(PrintToPdf, WritesOnePageAndLeavesTheScreenPictureGrey) {
    TempFolder folder;
    const UsulRecord usul = UsulOfRings(60, 15, 4);
    const QImage screen = DrawNotationPicture(usul, Glyphs(), Language::Turkish);
    const QImage before = screen.copy();
    const std::filesystem::path pdf = folder.path() / "page.pdf";
    const PrintResult result = PrintToPdf(screen, usul, pdf);
    ASSERT_TRUE(result.Printed());
    EXPECT_TRUE(result.layout.stretched);
    EXPECT_EQ(result.layout.rows, 2);
    EXPECT_EQ(result.layout.targetHeight, 4500);
    // A4 less the default margins: about 7 to 8.3 inches.
    EXPECT_GT(result.layout.targetWidth, 10000);
    EXPECT_LT(result.layout.targetWidth, 11906);
    QFile file(PathToQString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
        1);
    EXPECT_EQ(screen, before);
    EXPECT_TRUE(IsGrey(RingEdge(screen, 2, 15)));
}

TEST(PrintToPdf, EmptyUsulPrintsNothing) {
    TempFolder folder;
    const UsulRecord usul = UsulOfRings(0);
    const PrintResult result =
        PrintToPdf(QImage(964, 150, QImage::Format_RGB32), usul, folder.path() / "none.pdf");
    EXPECT_EQ(result.message, 3);
    EXPECT_FALSE(result.Printed());
    EXPECT_EQ(folder.FileCount(), 0);
}

}  // namespace
}  // namespace ritmora
