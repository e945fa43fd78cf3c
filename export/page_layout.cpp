#include "export/page_layout.h"

#include <algorithm>

#include "library/rounding.h"
#include "notation/geometry.h"
#include "plans/plan_syntax.h"

namespace ritmora {

int ExportRowCount(int beatCount) { return RowCountForLastRing(beatCount); }

int OneRowStripWidth(int beatCount, int minimum) {
    return std::max(kRingSpacing * beatCount + 40, minimum);
}

JpgLayout ComposeJpgLayout(int beatCount, int pictureWidth, int pictureHeight) {
    JpgLayout layout;
    layout.rows = ExportRowCount(beatCount);
    layout.copiedHeight = pictureHeight;
    layout.canvasHeight = pictureHeight + kJpgExtraHeight;
    if (layout.rows > 1) {
        layout.copiedWidth = pictureWidth;
        layout.canvasWidth = pictureWidth;
    } else {
        const int strip = OneRowStripWidth(beatCount, kJpgMinimumRowWidth);
        layout.copiedWidth = std::min(strip, pictureWidth);
        layout.canvasWidth = strip + kJpgExtraWidth;
    }
    return layout;
}

std::string PictureTitle(int beats, int mertebe, std::string_view name) {
    return std::to_string(beats) + " / " + std::to_string(mertebe) + std::string(8, ' ') +
           std::string(name);
}

std::string StoredNameForPrint(std::string_view storedName) {
    std::string name(storedName);
    std::replace(name.begin(), name.end(), '\0', ' ');
    return name;
}

std::string TrimmedName(std::string_view name) { return TrimBlanks(StoredNameForPrint(name)); }

JpgFileNameResult JpgFileName(int beats, int mertebe, std::string_view trimmedName) {
    const std::string folded = FoldTurkishLetters(trimmedName);
    const std::string stem = std::to_string(beats) + "-" + std::to_string(mertebe) + "  " + folded;
    // An empty name would leave a file called "N-D  .jpg", which no user would find again.
    if (folded.empty() || !IsUsableFileStem(stem)) {
        return {std::string(), kUnusableNameMessage};
    }
    return {stem + ".jpg", kNoMessage};
}

JpgFileNameResult PdfFileName(int beats, int mertebe, std::string_view trimmedName) {
    JpgFileNameResult result = JpgFileName(beats, mertebe, trimmedName);
    if (!result.fileName.empty()) result.fileName.replace(result.fileName.size() - 4, 4, ".pdf");
    return result;
}

PrintLayout ComposePrintLayout(int beatCount, int pictureWidth, int pictureHeight,
                               int pageWidthTwips) {
    PrintLayout layout;
    layout.rows = ExportRowCount(beatCount);
    layout.sourceHeight = pictureHeight;
    layout.targetHeight = pictureHeight * kTwipsPerPixel;
    if (layout.rows > 1) {
        layout.sourceWidth = pictureWidth;
        layout.targetWidth = pageWidthTwips;
        layout.stretched = true;
    } else {
        layout.sourceWidth =
            std::min(OneRowStripWidth(beatCount, kPrintMinimumRowWidth), pictureWidth);
        layout.targetWidth = layout.sourceWidth * kTwipsPerPixel;
        if (pageWidthTwips > 0 && layout.targetWidth > pageWidthTwips) {
            layout.targetWidth = pageWidthTwips;
            layout.stretched = true;
        }
    }
    return layout;
}

int TwipsToDevice(int twips, int dpi) {
    return static_cast<int>(RoundHalfEven(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

int DeviceToTwips(int units, int dpi) {
    if (dpi <= 0) return 0;
    return static_cast<int>(RoundHalfEven(static_cast<double>(units) * kTwipsPerInch / dpi));
}

}  // namespace ritmora
