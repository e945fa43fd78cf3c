// The JPG export: the composed canvas, the file, the faults, and the screen picture afterwards.
#include "export/qt/jpg_export.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <fstream>

#include "export/qt/offscreen_notation.h"
#include "notation/qt/glyph_sheet.h"
#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

using testing::AnyDark;
using testing::Glyphs;
using testing::IsDark;
using testing::IsGrey;
using testing::IsWhite;
using testing::ReadBytes;
using testing::RingEdge;
using testing::TempFolder;
using testing::UsulOfRings;

QImage Picture(const UsulRecord& usul) {
    return DrawNotationPicture(usul, Glyphs(), Language::Turkish);
}

TEST(JpgExport, OneRowPictureHasTitleNotationWithoutRingsAndMinimumWidthAtQuality85) {
    TempFolder folder;
    const UsulRecord usul = UsulOfRings(12, 12, 8);
    const QImage screen = Picture(usul);
    const JpgExportResult result =
        ExportJpg(screen, usul, QStringLiteral("  Test  "), folder.path());
    ASSERT_TRUE(result.Written());
    EXPECT_EQ(result.file, folder.path() / "12-8  Test.jpg");
    EXPECT_EQ(result.canvas.size(), QSize(510, 210));

    // The notation from y = 40: the upper staff line, the rings hidden in white.
    EXPECT_TRUE(IsDark(result.canvas.pixelColor(25, 40 + 60)));
    for (int column = 1; column <= 12; ++column) {
        EXPECT_TRUE(IsWhite(RingEdge(result.canvas, 1, column, 0, 40))) << column;
        EXPECT_TRUE(IsGrey(RingEdge(screen, 1, column))) << column;
    }
    // Only the 470-pixel strip is copied: the staff line stops there.
    EXPECT_TRUE(IsDark(result.canvas.pixelColor(469, 100)));
    EXPECT_TRUE(IsWhite(result.canvas.pixelColor(470, 100)));
    // The title's ink starts at (40, 20) and nothing is written above or left of it.
    EXPECT_TRUE(AnyDark(result.canvas, QRect(40, 20, 120, 18)));
    EXPECT_FALSE(AnyDark(result.canvas, QRect(0, 0, 510, 19)));
    EXPECT_FALSE(AnyDark(result.canvas, QRect(0, 0, 39, 40)));

    // The file is the canvas encoded as JPEG at quality 85.
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(85);
    ASSERT_TRUE(writer.write(result.canvas));
    const auto bytes = ReadBytes(result.file);
    EXPECT_TRUE(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<qsizetype>(bytes.size())) == expected);
}

TEST(JpgExport, ReplacesWholeIntoAMissingFolderOrTheChosenFile) {
    TempFolder folder;
    const auto vlvl = folder.path() / "vlvl";
    UsulRecord usul = UsulOfRings(3, 9, 8);
    const JpgExportResult first = ExportJpg(Picture(usul), usul, "Aksak", vlvl);
    ASSERT_TRUE(first.Written());
    usul = UsulOfRings(46, 9, 8);
    const QImage screen = Picture(usul);
    const JpgExportResult second = ExportJpg(screen, usul, "Aksak", vlvl);
    ASSERT_TRUE(second.Written());
    EXPECT_EQ(first.file, second.file);
    EXPECT_EQ(QImageReader(PathToQString(second.file)).size(), QSize(964, 360));
    EXPECT_EQ(folder.FileCount(), 1);  // no temporary file left
    // Two rows are copied whole, rings hidden, the row divider across the whole width.
    for (int column = 1; column <= 45; ++column) {
        EXPECT_TRUE(IsWhite(RingEdge(second.canvas, 2, column, 0, 40))) << column;
        EXPECT_TRUE(IsGrey(RingEdge(screen, 2, column))) << column;
    }
    EXPECT_TRUE(IsDark(second.canvas.pixelColor(955, 40 + 150)));

    // A chosen file is used as given; the name then only makes the title.
    EXPECT_TRUE(ExportJpg(Picture(usul), usul, "a/b", vlvl, folder.path() / "out.jpg").Written());
    EXPECT_EQ(QImageReader(PathToQString(folder.path() / "out.jpg")).format(), "jpeg");
}

TEST(JpgExport, EmptyUsulUnusableNamesAndEncoderFaultsWriteNothing) {
    TempFolder folder;
    const UsulRecord empty = UsulOfRings(0);
    const JpgExportResult none = ExportJpg(Picture(empty), empty, "Aksak", folder.path());
    EXPECT_EQ(none.message, 3);
    EXPECT_TRUE(none.canvas.isNull());
    const UsulRecord usul = UsulOfRings(4);
    for (const char* name : {"a/b", "..", "what?", "", "   "}) {
        const JpgExportResult refused = ExportJpg(Picture(usul), usul, name, folder.path());
        EXPECT_EQ(refused.message, 22) << name;
        EXPECT_FALSE(refused.Written());
    }

    const QImage image(20, 20, QImage::Format_RGB32);
    EXPECT_EQ(WritePictureFile(image, folder.path() / "x.nope", "no-such-format"),
              PictureWriteFault::NoEncoder);
    EXPECT_EQ(WritePictureFile(QImage(), folder.path() / "null.jpg"),
              PictureWriteFault::InvalidImage);
    // A folder that cannot exist: its parent is a plain file.
    std::ofstream(folder.path() / "plain") << "x";
    EXPECT_EQ(ExportJpg(Picture(usul), usul, "Sofyan", folder.path() / "plain" / "vlvl").fault,
              PictureWriteFault::AccessDenied);
    EXPECT_EQ(folder.FileCount(), 1);
}

}  // namespace
}  // namespace ritmora
