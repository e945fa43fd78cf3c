// The composition of exported pictures and printed pages, and the texts of their faults.
#include "export/page_layout.h"

#include <gtest/gtest.h>

#include "export/export_texts.h"

namespace ritmora {
namespace {

TEST(JpgLayout, OneRowCanvasHasMinimumWidthAndNotationBelowTitle) {
    const JpgLayout twelve = ComposeJpgLayout(12, 964, 150);
    EXPECT_EQ(twelve.rows, 1);
    EXPECT_EQ(twelve.copiedWidth, 470);
    EXPECT_EQ(twelve.canvasWidth, 510);
    EXPECT_EQ(twelve.canvasHeight, 210);
    EXPECT_EQ(twelve.copiedHeight, 150);
    EXPECT_EQ(twelve.notationX, 0);
    EXPECT_EQ(twelve.notationY, 40);
    EXPECT_EQ(twelve.titleX, 40);
    EXPECT_EQ(twelve.titleY, 20);

    const JpgLayout thirty = ComposeJpgLayout(30, 964, 150);
    EXPECT_EQ(thirty.copiedWidth, 640);
    EXPECT_EQ(thirty.canvasWidth, 680);

    const JpgLayout full = ComposeJpgLayout(45, 964, 150);
    EXPECT_EQ(full.copiedWidth, 940);
    EXPECT_EQ(full.canvasWidth, 980);
}

TEST(JpgLayout, SeveralRowsCopyTheWholeNotation) {
    const JpgLayout two = ComposeJpgLayout(46, 964, 300);
    EXPECT_EQ(two.rows, 2);
    EXPECT_EQ(two.canvasWidth, 964);
    EXPECT_EQ(two.copiedWidth, 964);
    EXPECT_EQ(two.canvasHeight, 360);
    EXPECT_EQ(ComposeJpgLayout(90, 964, 300).rows, 2);
    EXPECT_EQ(ComposeJpgLayout(91, 964, 450).rows, 3);
    EXPECT_EQ(ComposeJpgLayout(180, 964, 600).rows, 4);
    EXPECT_EQ(ComposeJpgLayout(180, 964, 600).canvasHeight, 660);
}

TEST(PictureTitle, SignatureEightBlanksAndName) {
    EXPECT_EQ(PictureTitle(9, 8, "Aksak"), "9 / 8        Aksak");
    EXPECT_EQ(PictureTitle(4, 4, TrimmedName("  Çiftesofya  ")), "4 / 4        Çiftesofya");
    // Printing keeps the stored width: trailing blanks and NUL padding as blanks.
    std::string stored = "Düyek";
    stored += std::string(35, '\0');
    const std::string printed = PictureTitle(8, 8, StoredNameForPrint(stored));
    EXPECT_EQ(printed, "8 / 8        Düyek" + std::string(35, ' '));
    EXPECT_EQ(TrimmedName(stored), "Düyek");
}

TEST(JpgFileName, FoldsTurkishLettersAndKeepsTwoBlanks) {
    EXPECT_EQ(JpgFileName(4, 4, "Çiftesofya").fileName, "4-4  Ciftesofya.jpg");
    EXPECT_EQ(JpgFileName(9, 8, "Aksak").fileName, "9-8  Aksak.jpg");
    EXPECT_EQ(JpgFileName(10, 16, "Ağır Düyek").fileName, "10-16  Agir Duyek.jpg");
    EXPECT_EQ(JpgFileName(9, 8, "Aksak").message, kNoMessage);
    // Only the whole stem must be a usable name: "4-4  CON" is not a device name.
    EXPECT_EQ(JpgFileName(4, 4, "CON").fileName, "4-4  CON.jpg");
}

TEST(JpgFileName, UnusableNamesAreRefusedWithMessage22) {
    for (const char* name : {"", "a/b", "a\\b", "x:y", "what?", "a*b", "\"q\"", "<a>", "a|b", "..",
                             "../up", "tab\there"}) {
        const JpgFileNameResult result = JpgFileName(4, 4, name);
        EXPECT_EQ(result.message, kUnusableNameMessage) << name;
        EXPECT_TRUE(result.fileName.empty()) << name;
    }
}

TEST(PrintLayout, OneRowIsPrintedUnscaledAtFifteenTwipsAPixel) {
    const PrintLayout five = ComposePrintLayout(5, 964, 150, 16000);
    EXPECT_EQ(five.rows, 1);
    EXPECT_EQ(five.sourceWidth, 150);
    EXPECT_EQ(five.targetWidth, 2250);
    EXPECT_EQ(five.sourceHeight, 150);
    EXPECT_EQ(five.targetHeight, 2250);
    EXPECT_FALSE(five.stretched);
    EXPECT_EQ(five.titleX, 600);
    EXPECT_EQ(five.titleY, 300);
    EXPECT_EQ(five.notationX, 0);
    EXPECT_EQ(five.notationY, 500);

    const PrintLayout full = ComposePrintLayout(45, 964, 150, 16000);
    EXPECT_EQ(full.sourceWidth, 940);
    EXPECT_EQ(full.targetWidth, 14100);
    EXPECT_FALSE(full.stretched);
}

TEST(PrintLayout, OneRowWiderThanThePageIsNarrowedToIt) {
    // 940 pixels are 9.8 inches: wider than a portrait A4 or Letter page.
    const PrintLayout full = ComposePrintLayout(45, 964, 150, 11000);
    EXPECT_EQ(full.sourceWidth, 940);
    EXPECT_EQ(full.targetWidth, 11000);
    EXPECT_EQ(full.targetHeight, 2250);
    EXPECT_TRUE(full.stretched);
}

TEST(PrintLayout, SeveralRowsAreStretchedToThePageWidthOnly) {
    const PrintLayout sixty = ComposePrintLayout(60, 964, 300, 11520);
    EXPECT_EQ(sixty.rows, 2);
    EXPECT_EQ(sixty.sourceWidth, 964);
    EXPECT_EQ(sixty.sourceHeight, 300);
    EXPECT_EQ(sixty.targetWidth, 11520);
    EXPECT_EQ(sixty.targetHeight, 4500);
    EXPECT_TRUE(sixty.stretched);
}

TEST(Twips, ConvertAtThePrinterResolution) {
    EXPECT_EQ(TwipsToDevice(1440, 600), 600);
    EXPECT_EQ(TwipsToDevice(500, 1200), 417);  // 416.67
    EXPECT_EQ(TwipsToDevice(15, 96), 1);
    EXPECT_EQ(TwipsToDevice(36, 20), 0);   // 0.5 -> 0, halves to even
    EXPECT_EQ(TwipsToDevice(108, 20), 2);  // 1.5 -> 2
    EXPECT_EQ(DeviceToTwips(600, 600), 1440);
    EXPECT_EQ(DeviceToTwips(10, 0), 0);
}

TEST(ExportTexts, EncoderFaultsKeepTheirStatusTexts) {
    EXPECT_EQ(
        PictureWriteFaultMessage(Language::English, PictureWriteFault::AccessDenied, "/x.jpg"),
        "Access Denied. The picture could not be written: /x.jpg");
    EXPECT_EQ(PictureWriteFaultMessage(Language::Turkish, PictureWriteFault::NoEncoder, "/x.jpg"),
              "JPG kodlayıcısı bulunamadı; resim yazılmadı: /x.jpg");
    EXPECT_TRUE(PictureWriteFaultMessage(Language::English, PictureWriteFault::None, "a").empty());
    EXPECT_NE(PrintFaultMessage(Language::English, PrintFault::NoPrinter),
              PrintFaultMessage(Language::Turkish, PrintFault::NoPrinter));
    EXPECT_FALSE(PrintFaultMessage(Language::Turkish, PrintFault::PrinterFailed).empty());
}

}  // namespace
}  // namespace ritmora
