#include "export/qt/jpg_export.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <system_error>

#include "export/qt/offscreen_notation.h"
#include "library/replacing_file.h"
#include "notation/qt/notation_painter.h"
#include "notation/relayout.h"

namespace ritmora {
namespace {

// 96 dots per inch: a 12-point title is 16 pixels high on every system, as on the screen the
// pictures were first made on.
constexpr int kCanvasDotsPerMeter = 3780;

PictureWriteFault FaultOf(QImageWriter::ImageWriterError error) {
    switch (error) {
        case QImageWriter::DeviceError:
            return PictureWriteFault::AccessDenied;
        case QImageWriter::UnsupportedFormatError:
            return PictureWriteFault::NoEncoder;
        case QImageWriter::InvalidImageError:
            return PictureWriteFault::InvalidImage;
        case QImageWriter::UnknownError:
            break;
    }
    return PictureWriteFault::Unknown;
}

}  // namespace

QImage ComposeJpgPicture(const QImage& notationPicture, const JpgLayout& layout,
                         const QString& title) {
    QImage hidden = notationPicture.convertToFormat(QImage::Format_RGB32);
    DrawRingOutlines(hidden, layout.rows, QColor(255, 255, 255));

    QImage canvas(std::max(layout.canvasWidth, 1), std::max(layout.canvasHeight, 1),
                  QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kCanvasDotsPerMeter);
    canvas.setDotsPerMeterY(kCanvasDotsPerMeter);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(QPoint(layout.notationX, layout.notationY), hidden,
                      QRect(0, 0, layout.copiedWidth, layout.copiedHeight));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(TitleFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(layout.titleX, layout.titleY, canvas.width() - layout.titleX,
                           canvas.height() - layout.titleY),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
    painter.end();
    return canvas;
}

PictureWriteFault WritePictureFile(const QImage& picture, const std::filesystem::path& file,
                                   const char* format, int quality) {
    // Asked before anything touches the disk: no encoder, no file at all.
    if (!QImageWriter::supportedImageFormats().contains(QByteArray(format))) {
        return PictureWriteFault::NoEncoder;
    }
    if (picture.isNull()) return PictureWriteFault::InvalidImage;
    // Encoded in memory first, then handed to the safe writer: an existing picture is replaced
    // whole or not at all, and never through a planted link.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(std::clamp(quality, 0, 100));
    if (!writer.write(picture)) return FaultOf(writer.error());
    const std::string failure =
        ReplaceFileContent(file, {reinterpret_cast<const std::uint8_t*>(encoded.constData()),
                                  static_cast<std::size_t>(encoded.size())});
    return failure.empty() ? PictureWriteFault::None : PictureWriteFault::AccessDenied;
}

JpgExportResult ExportJpg(const QImage& notationPicture, const UsulRecord& usul,
                          const QString& nameBoxText, const std::filesystem::path& folder,
                          const std::filesystem::path& fileOverride) {
    JpgExportResult result;
    const int beatCount = MevcutHalka(usul);
    if (beatCount == 0) {
        result.message = kNoBeatsMessage;
        return result;
    }
    const std::string name = TrimmedName(nameBoxText.toStdString());
    if (fileOverride.empty()) {
        const JpgFileNameResult fileName = JpgFileName(usul.beats, usul.mertebe, name);
        if (fileName.message != kNoMessage) {
            result.message = fileName.message;
            return result;
        }
        result.file = folder / PathFromUtf8(fileName.fileName);
    } else {
        result.file = fileOverride;
    }

    result.layout = ComposeJpgLayout(beatCount, notationPicture.width(), notationPicture.height());
    result.canvas =
        ComposeJpgPicture(notationPicture, result.layout,
                          QString::fromStdString(PictureTitle(usul.beats, usul.mertebe, name)));

    std::error_code error;
    const std::filesystem::path parent = result.file.parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, error);
    if (error) {
        result.fault = PictureWriteFault::AccessDenied;
        return result;
    }
    result.fault = WritePictureFile(result.canvas, result.file);
    return result;
}

}  // namespace ritmora
