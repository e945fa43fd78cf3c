#pragma once
// Where the parts of an exported picture and of a printed page go: the rows the notation uses,
// the part of the notation picture that is copied, the title line and the picture's file name.
// JPG sizes are picture pixels; page positions are twips (1/1440 inch).
#include <string>
#include <string_view>

#include "app/texts.h"

namespace ritmora {

inline constexpr int kJpgQuality = 85;
inline constexpr int kJpgMinimumRowWidth = 470;  // pixels, one-row pictures
inline constexpr int kJpgTitleX = 40;
inline constexpr int kJpgTitleY = 20;
inline constexpr int kJpgNotationTop = 40;
inline constexpr int kJpgExtraHeight = 60;         // title band above, margin below
inline constexpr int kJpgExtraWidth = 40;          // one-row pictures only
inline constexpr int kPrintMinimumRowWidth = 150;  // pixels, one-row pages
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPrintTitleX = 600;  // twips
inline constexpr int kPrintTitleY = 300;
inline constexpr int kPrintNotationTop = 500;
inline constexpr int kNoMessage = 0;

// Rows the notation of `beatCount` rings uses: 1 for 1-45, 2 for 46-90, 3 for 91-135, 4 above.
int ExportRowCount(int beatCount);

// Width in pixels of a one-row strip: 20 per ring plus 40, at least `minimum`.
int OneRowStripWidth(int beatCount, int minimum);

struct JpgLayout {
    int rows = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    int copiedWidth = 0;   // from the notation picture's left edge
    int copiedHeight = 0;  // the notation picture's full height
    int notationX = 0;
    int notationY = kJpgNotationTop;
    int titleX = kJpgTitleX;
    int titleY = kJpgTitleY;
};

// The JPG canvas for `beatCount` (1..180) rings of a notation picture of the given size. One
// row copies a strip W = max(20 x rings + 40, 470) wide onto a canvas W + 40 wide; more rows
// copy the whole picture onto a canvas as wide as the picture. The canvas is 60 pixels higher
// than the picture.
JpgLayout ComposeJpgLayout(int beatCount, int pictureWidth, int pictureHeight);

// "N / D", eight blanks, then `name` as given (the JPG passes the trimmed name, printing the
// stored 40-character name with its blanks).
std::string PictureTitle(int beats, int mertebe, std::string_view name);

// The stored 40-character name as printing shows it: NUL padding becomes blanks, trailing blanks
// stay.
std::string StoredNameForPrint(std::string_view storedName);

// A name with blanks and NUL padding removed from both ends.
std::string TrimmedName(std::string_view name);

struct JpgFileNameResult {
    std::string fileName;      // "N-D  Name.jpg" (UTF-8), empty when refused
    int message = kNoMessage;  // kUnusableNameMessage when the name cannot become a file name
};

// "N-D", two blanks, the name with its Turkish letters folded, ".jpg". A name that cannot make a
// file name inside the folder (empty, forbidden characters, "..", a reserved device name) is
// refused with message 22 and no name.
JpgFileNameResult JpgFileName(int beats, int mertebe, std::string_view trimmedName);
// The same name with ".pdf" for the notation as a PDF page.
JpgFileNameResult PdfFileName(int beats, int mertebe, std::string_view trimmedName);

struct PrintLayout {
    int rows = 0;
    int titleX = kPrintTitleX;  // twips; the title's top-left corner
    int titleY = kPrintTitleY;
    int notationX = 0;  // twips; the notation's top-left corner
    int notationY = kPrintNotationTop;
    int sourceWidth = 0;  // pixels of the notation picture, from its left edge
    int sourceHeight = 0;
    int targetWidth = 0;  // twips on the page
    int targetHeight = 0;
    bool stretched = false;  // the width was set to the page width
};

// The page for `beatCount` (1..180) rings. One row: W = max(20 x rings + 40, 150) pixels printed
// at 15 twips a pixel, unless that is wider than the page, when it is narrowed to the page
// width so that nothing falls off the paper. More rows: the whole picture, as wide as the page.
// Heights are always 15 twips a pixel.
PrintLayout ComposePrintLayout(int beatCount, int pictureWidth, int pictureHeight,
                               int pageWidthTwips);

// Twips to device units at `dpi` dots per inch, halves to even.
int TwipsToDevice(int twips, int dpi);
// Device units at `dpi` to twips, halves to even.
int DeviceToTwips(int units, int dpi);

}  // namespace ritmora
