#pragma once
// The notation on one printed page: the title line at (600, 300) twips and the notation, without
// its ring outlines, from (0, 500) twips. No dialog, no preview.
#include <QImage>
#include <QString>
#include <filesystem>

#include "export/export_texts.h"
#include "export/page_layout.h"
#include "library/usul_record.h"

class QPainter;
class QPrinter;

namespace ritmora {

struct PrintResult {
    int message = kNoMessage;  // 3: no beats
    PrintFault fault = PrintFault::None;
    PrintLayout layout;  // twips

    bool Printed() const { return message == kNoMessage && fault == PrintFault::None; }
};

// Draws the page on any paint device whose resolution is `dpi` and whose usable width is
// `pageWidth` device units: the title, then `hiddenRingsPicture` placed by `layout` with the AND
// raster operation where the device has it (the page is white, so a plain copy is the same).
void PaintPrintPage(QPainter& painter, const QImage& hiddenRingsPicture, const PrintLayout& layout,
                    const QString& title, int dpi, int pageWidth);

// Prints on a printer that is already chosen and set up. The ring outlines are hidden in a copy
// of the notation picture, so the picture itself is never changed. A multi-row notation is
// stretched to the printable width that the printer reports.
PrintResult PrintNotation(const QImage& notationPicture, const UsulRecord& usul, QPrinter& printer);

// On the system's default printer; with none installed nothing is printed and the result says
// so (PrintFault::NoPrinter).
PrintResult PrintOnDefaultPrinter(const QImage& notationPicture, const UsulRecord& usul);

// Into a PDF file instead of a printer (the same page, A4).
PrintResult PrintToPdf(const QImage& notationPicture, const UsulRecord& usul,
                       const std::filesystem::path& pdfFile);

}  // namespace ritmora
