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

using testing::AnyDark;
using testing::Glyphs;
using testing::IsDark;
using testing::IsGrey;
using testing::IsWhite;
using testing::RingEdge;
using testing::TempFolder;
using testing::UsulOfRings;

// The page drawn into an image at 96 dpi, where one notation pixel (15 twips) is one page pixel;
// the notation starts 500 twips (33 pixels) down.
QImage PageAt96Dpi(int rings, int pageWidth) {
    const UsulRecord usul = UsulOfRings(rings, 5, 8);
    QImage hidden = DrawNotationPicture(usul, Glyphs(), Language::English)
                        .convertToFormat(QImage::Format_RGB32);
    const PrintLayout layout =
        ComposePrintLayout(rings, hidden.width(), hidden.height(), DeviceToTwips(pageWidth, 96));
    DrawRingOutlines(hidden, layout.rows, Qt::white);
    QImage page(pageWidth, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintPrintPage(painter, hidden, layout, QStringLiteral("5 / 8        Name"), 96, pageWidth);
    return page;
}

TEST(PrintPage, OneRowIsCopiedUnscaledBelowTheTitle) {
    const QImage page = PageAt96Dpi(5, 760);
    const int top = 33;
    EXPECT_TRUE(IsDark(page.pixelColor(20, top + 60)));  // staff line, unscaled
    EXPECT_TRUE(IsDark(page.pixelColor(149, top + 90)));
    EXPECT_TRUE(IsWhite(page.pixelColor(150, top + 90)));  // the strip is 150 pixels wide
    for (int column = 1; column <= 5; ++column) {
        EXPECT_TRUE(IsWhite(RingEdge(page, 1, column, 0, top))) << column;
    }
    // The title's top-left corner is at (600, 300) twips = (40, 20).
    EXPECT_TRUE(AnyDark(page, QRect(40, 20, 160, top - 20)));
    EXPECT_FALSE(AnyDark(page, QRect(0, 0, 760, 20)));
    EXPECT_FALSE(AnyDark(page, QRect(0, 0, 40, top)));
}

TEST(PrintToPdf, WritesOnePageLeavesTheScreenPictureGreyAndPrintsNothingForNoBeats) {
    TempFolder folder;
    const UsulRecord usul = UsulOfRings(60, 15, 4);
    const QImage screen = DrawNotationPicture(usul, Glyphs(), Language::Turkish);
    const QImage before = screen.copy();
    const std::filesystem::path pdf = folder.path() / "page.pdf";
    const PrintResult result = PrintToPdf(screen, usul, pdf);
    ASSERT_TRUE(result.Printed());
    EXPECT_TRUE(result.layout.stretched);
    EXPECT_EQ(result.layout.targetHeight, 4500);
    // A4 less the default margins: about 7 to 8.3 inches.
    EXPECT_GT(result.layout.targetWidth, 10000);
    EXPECT_LT(result.layout.targetWidth, 11906);
    const std::string bytes = testing::ReadText(pdf);
    EXPECT_TRUE(bytes.starts_with("%PDF"));
    int pages = 0;
    for (std::size_t at = 0; (at = bytes.find("/Type /Page", at)) != std::string::npos; ++at) {
        pages += bytes.compare(at, 12, "/Type /Pages") != 0;
    }
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(screen, before);
    EXPECT_TRUE(IsGrey(RingEdge(screen, 2, 15)));

    const PrintResult none = PrintToPdf(QImage(964, 150, QImage::Format_RGB32), UsulOfRings(0),
                                        folder.path() / "none.pdf");
    EXPECT_EQ(none.message, 3);
    EXPECT_FALSE(none.Printed());
    EXPECT_EQ(folder.FileCount(), 1);
}

}  // namespace
}  // namespace ritmora
