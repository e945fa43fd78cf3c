// The notation as a PDF page: its file name, its page, its title and fonts, read back as a user's
// PDF viewer would.
#include "export/qt/pdf_export.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::UsulOfRings;

TEST(PdfExport, AVectorA4PageWithTheTitleInTurkishLetters) {
    TempFolder folder;
    UsulRecord usul = UsulOfRings(50, 4, 4);
    usul.name = "Çiftesofya" + std::string(29, ' ');  // stored names are padded
    const PdfExportResult result =
        ExportPdf(usul, Language::Turkish, QStringLiteral(" Çiftesofya "), folder / "vlvl");
    ASSERT_TRUE(result.Written());
    EXPECT_EQ(result.file, folder / "vlvl" / "4-4  Ciftesofya.pdf");
    EXPECT_TRUE(result.layout.stretched);  // two rows: as wide as the page

    const std::string pdf = ReadText(result.file);
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_NE(pdf.find("/MediaBox [0 0 842"), std::string::npos);  // A4 in landscape, points
    EXPECT_NE(pdf.find("/FontFile2"), std::string::npos);          // the font travels with it
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos);     // shapes, not a picture

    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the text is not read back";
    }
    const auto text = folder / "page.txt";
    ASSERT_EQ(
        std::system(("pdftotext '" + result.file.string() + "' '" + text.string() + "'").c_str()),
        0);
    // A viewer places the title's words apart, so only their order is compared.
    std::string words = ReadText(text);
    std::erase_if(words, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
    EXPECT_TRUE(words.starts_with("4/4Çiftesofya")) << words;
}

}  // namespace
}  // namespace ritmora
