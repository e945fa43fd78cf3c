// The composition of exported pictures and printed pages.
#include "export/page_layout.h"

#include <gtest/gtest.h>

namespace ritmora {
namespace {

TEST(JpgLayout, OneRowHasAMinimumWidthAndMoreRowsCopyTheWholeNotation) {
    struct Case {
        int rings, pictureHeight, rows, copiedWidth, canvasWidth, canvasHeight;
    };
    for (const Case& c : {Case{12, 150, 1, 470, 510, 210}, Case{30, 150, 1, 640, 680, 210},
                          Case{45, 150, 1, 940, 980, 210}, Case{46, 300, 2, 964, 964, 360},
                          Case{90, 300, 2, 964, 964, 360}, Case{91, 450, 3, 964, 964, 510},
                          Case{180, 600, 4, 964, 964, 660}}) {
        const JpgLayout layout = ComposeJpgLayout(c.rings, 964, c.pictureHeight);
        EXPECT_EQ(layout.rows, c.rows) << c.rings;
        EXPECT_EQ(layout.copiedWidth, c.copiedWidth) << c.rings;
        EXPECT_EQ(layout.copiedHeight, c.pictureHeight) << c.rings;
        EXPECT_EQ(layout.canvasWidth, c.canvasWidth) << c.rings;
        EXPECT_EQ(layout.canvasHeight, c.canvasHeight) << c.rings;
        // The notation below the title.
        EXPECT_EQ(
            std::vector<int>({layout.notationX, layout.notationY, layout.titleX, layout.titleY}),
            std::vector<int>({0, 40, 40, 20}));
    }
}

TEST(PictureTitle, SignatureEightBlanksAndName) {
    EXPECT_EQ(PictureTitle(4, 4, TrimmedName("  Çiftesofya  ")), "4 / 4        Çiftesofya");
    // Printing keeps the stored width: trailing blanks and NUL padding as blanks.
    std::string stored = "Düyek";
    stored += std::string(35, '\0');
    EXPECT_EQ(PictureTitle(8, 8, StoredNameForPrint(stored)),
              "8 / 8        Düyek" + std::string(35, ' '));
    EXPECT_EQ(TrimmedName(stored), "Düyek");
}

TEST(JpgFileName, FoldsTurkishLettersKeepsTwoBlanksAndRefusesUnusableNames) {
    EXPECT_EQ(JpgFileName(4, 4, "Çiftesofya").fileName, "4-4  Ciftesofya.jpg");
    EXPECT_EQ(JpgFileName(10, 16, "ĞğİıŞşÇçÖöÜü â").fileName, "10-16  GgIiSsCcOoUu â.jpg");
    EXPECT_EQ(JpgFileName(9, 8, "Aksak").message, kNoMessage);
    EXPECT_EQ(PdfFileName(9, 8, "Ağır").fileName, "9-8  Agir.pdf");
    // Only the whole stem must be a usable name: "4-4  CON" is not a device name.
    EXPECT_EQ(JpgFileName(4, 4, "CON").fileName, "4-4  CON.jpg");
    for (const char* name : {"", "a/b", "a\\b", "x:y", "what?", "a*b", "\"q\"", "<a>", "a|b", "..",
                             "../up", "tab\there"}) {
        const JpgFileNameResult result = JpgFileName(4, 4, name);
        EXPECT_EQ(result.message, kUnusableNameMessage) << name;
        EXPECT_TRUE(result.fileName.empty()) << name;
    }
}

TEST(PrintLayout, OneRowUnscaledUnlessWiderThanThePageAndMoreRowsStretched) {
    struct Case {
        int rings, pictureHeight, pageWidth, rows, sourceWidth, targetWidth, targetHeight;
        bool stretched;
    };
    // 940 pixels are 9.8 inches: wider than a portrait A4 or Letter page.
    for (const Case& c : {Case{5, 150, 16000, 1, 150, 2250, 2250, false},
                          Case{45, 150, 16000, 1, 940, 14100, 2250, false},
                          Case{45, 150, 11000, 1, 940, 11000, 2250, true},
                          Case{60, 300, 11520, 2, 964, 11520, 4500, true}}) {
        const PrintLayout layout = ComposePrintLayout(c.rings, 964, c.pictureHeight, c.pageWidth);
        EXPECT_EQ(layout.rows, c.rows) << c.rings;
        EXPECT_EQ(layout.sourceWidth, c.sourceWidth) << c.rings;
        EXPECT_EQ(layout.sourceHeight, c.pictureHeight) << c.rings;
        EXPECT_EQ(layout.targetWidth, c.targetWidth) << c.rings;
        EXPECT_EQ(layout.targetHeight, c.targetHeight) << c.rings;
        EXPECT_EQ(layout.stretched, c.stretched) << c.rings;
        EXPECT_EQ(
            std::vector<int>({layout.titleX, layout.titleY, layout.notationX, layout.notationY}),
            std::vector<int>({600, 300, 0, 500}));
    }
}

TEST(Twips, ConvertAtThePrinterResolutionWithHalvesToEven) {
    EXPECT_EQ(TwipsToDevice(1440, 600), 600);
    EXPECT_EQ(TwipsToDevice(500, 1200), 417);  // 416.67
    EXPECT_EQ(TwipsToDevice(36, 20), 0);       // 0.5
    EXPECT_EQ(TwipsToDevice(108, 20), 2);      // 1.5
    EXPECT_EQ(DeviceToTwips(600, 600), 1440);
    EXPECT_EQ(DeviceToTwips(10, 0), 0);
}

}  // namespace
}  // namespace ritmora
