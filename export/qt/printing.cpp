#include "export/qt/printing.h"

#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "export/qt/offscreen_notation.h"
#include "notation/qt/notation_painter.h"
#include "notation/relayout.h"

namespace ritmora {

void PaintPrintPage(QPainter& painter, const QImage& hiddenRingsPicture, const PrintLayout& layout,
                    const QString& title, int dpi, int pageWidth) {
    QFont font = TitleFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int titleX = TwipsToDevice(layout.titleX, dpi);
    const int titleY = TwipsToDevice(layout.titleY, dpi);
    painter.drawText(QRect(titleX, titleY, std::max(pageWidth - titleX, 1),
                           TwipsToDevice(kPrintNotationTop, dpi)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);

    const QRect target(TwipsToDevice(layout.notationX, dpi), TwipsToDevice(layout.notationY, dpi),
                       layout.stretched ? pageWidth : TwipsToDevice(layout.targetWidth, dpi),
                       TwipsToDevice(layout.targetHeight, dpi));
    const QPaintEngine* engine = painter.paintEngine();
    if (engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes)) {
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    }
    painter.drawImage(target, hiddenRingsPicture,
                      QRect(0, 0, layout.sourceWidth, layout.sourceHeight));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

PrintResult PrintNotation(const QImage& notationPicture, const UsulRecord& usul,
                          QPrinter& printer) {
    PrintResult result;
    const int beatCount = MevcutHalka(usul);
    if (beatCount == 0) {
        result.message = kNoBeatsMessage;
        return result;
    }
    const int dpi = printer.resolution();
    const int pageWidth = printer.width();  // the printable width, in device units
    result.layout = ComposePrintLayout(beatCount, notationPicture.width(), notationPicture.height(),
                                       DeviceToTwips(pageWidth, dpi));

    QImage hidden = notationPicture.convertToFormat(QImage::Format_RGB32);
    DrawRingOutlines(hidden, result.layout.rows, QColor(255, 255, 255));
    const QString title = QString::fromStdString(
        PictureTitle(usul.beats, usul.mertebe, StoredNameForPrint(usul.name)));

    QPainter painter;
    if (!painter.begin(&printer)) {
        result.fault = PrintFault::PrinterFailed;
        return result;
    }
    PaintPrintPage(painter, hidden, result.layout, title, dpi, pageWidth);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        result.fault = PrintFault::PrinterFailed;
    }
    return result;
}

PrintResult PrintOnDefaultPrinter(const QImage& notationPicture, const UsulRecord& usul) {
    if (MevcutHalka(usul) == 0) return PrintResult{kNoBeatsMessage, PrintFault::None, {}};
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return PrintResult{kNoMessage, PrintFault::NoPrinter, {}};
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Ritmora"));
    return PrintNotation(notationPicture, usul, printer);
}

PrintResult PrintToPdf(const QImage& notationPicture, const UsulRecord& usul,
                       const std::filesystem::path& pdfFile) {
    if (MevcutHalka(usul) == 0) return PrintResult{kNoBeatsMessage, PrintFault::None, {}};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(PathToQString(pdfFile));
    printer.setDocName(QStringLiteral("Ritmora"));
    return PrintNotation(notationPicture, usul, printer);
}

}  // namespace ritmora
