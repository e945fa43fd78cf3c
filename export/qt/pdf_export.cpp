#include "export/qt/pdf_export.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <system_error>

#include "export/qt/offscreen_notation.h"
#include "notation/geometry.h"
#include "notation/notation_scene.h"
#include "notation/qt/glyph_sheet.h"
#include "notation/relayout.h"
#include "sound/replacing_file.h"

namespace ritmora {
namespace {

constexpr int kPdfResolution = 1200;  // device units per inch; shapes stay vectors anyway
constexpr double kPageMarginMm = 10;  // what a printer's unprintable edge would take

// A scene line covers whole pixels, both end points included.
QRectF LinePixels(const SceneLine& line) {
    return QRectF(std::min(line.x1, line.x2), std::min(line.y1, line.y2),
                  std::abs(line.x2 - line.x1) + 1, std::abs(line.y2 - line.y1) + 1);
}

void FillLines(QPainter& painter, const std::vector<SceneLine>& lines, const QColor& colour) {
    for (const SceneLine& line : lines) {
        if (line.x1 == line.x2 || line.y1 == line.y2) {
            painter.fillRect(LinePixels(line), colour);
        } else {
            painter.setPen(QPen(colour, 1));
            painter.drawLine(QPointF(line.x1 + 0.5, line.y1 + 0.5),
                             QPointF(line.x2 + 0.5, line.y2 + 0.5));
        }
    }
}

// The notation drawn from its scene: shapes in picture pixels through `toPage`, texts at the
// mapped places in the notation's own point size, so that a stretched page does not distort
// them. The ring outlines are left out, as on every exported or printed notation.
void PaintNotationVectors(QPainter& painter, const NotationScene& scene, const QTransform& toPage,
                          const QRectF& copied, const QFont& font) {
    painter.save();
    painter.setTransform(toPage);
    painter.setClipRect(copied);
    painter.setRenderHint(QPainter::Antialiasing, true);
    FillLines(painter, scene.staffLines, Qt::black);
    FillLines(painter, scene.rowDividers, Qt::black);
    QPainterPath ink;
    for (const SceneGlyph& glyph : scene.glyphs) {
        ink.addPath(NoteGlyphOutline(glyph.code).translated(glyph.x, glyph.y));
    }
    for (const ScenePoint& pixel : scene.dotPixels) ink.addRect(pixel.x, pixel.y, 1, 1);
    painter.fillPath(ink, Qt::black);
    FillLines(painter, scene.separatorDashes, QColor(255, 0, 0));
    painter.restore();

    painter.save();
    painter.setClipRect(toPage.mapRect(copied));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    for (const auto* texts : {&scene.syllables, &scene.loudnessLetters}) {
        for (const SceneText& text : *texts) {
            const QPointF at = toPage.map(QPointF(text.x, text.y));
            painter.drawText(QPointF(at.x(), at.y() + ascent), QString::fromStdString(text.text));
        }
    }
    painter.restore();
}

std::array<std::string, 3> LetterTexts(Language language) {
    const LoudnessLetters letters = LoudnessLettersFor(language);
    return {letters.loud.toStdString(), letters.medium.toStdString(), letters.soft.toStdString()};
}

}  // namespace

QByteArray NotationPdf(const UsulRecord& usul, Language language, PrintLayout* layoutOut) {
    const int beatCount = MevcutHalka(usul);
    if (beatCount == 0) return {};
    const NotationScene scene = BuildNotationScene(usul, LetterTexts(language));
    const QString title = QString::fromStdString(
        PictureTitle(usul.beats, usul.mertebe, StoredNameForPrint(usul.name)));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                    QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                    QPageLayout::Millimeter));
    writer.setTitle(title.trimmed());
    writer.setCreator(QStringLiteral("Ritmora"));

    const int dpi = writer.resolution();
    const int pageWidth = writer.width();  // inside the margins, device units
    const PrintLayout layout = ComposePrintLayout(
        beatCount, kNotationWidth, kRowHeight * scene.rows, DeviceToTwips(pageWidth, dpi));
    if (layoutOut != nullptr) *layoutOut = layout;

    QPainter painter(&writer);
    const int titleX = TwipsToDevice(layout.titleX, dpi);
    painter.setFont(TitleFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(titleX, TwipsToDevice(layout.titleY, dpi), pageWidth - titleX,
                           TwipsToDevice(kPrintNotationTop, dpi)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);

    const double width = layout.stretched ? pageWidth : TwipsToDevice(layout.targetWidth, dpi);
    QTransform toPage;
    toPage.translate(TwipsToDevice(layout.notationX, dpi), TwipsToDevice(layout.notationY, dpi));
    toPage.scale(width / layout.sourceWidth,
                 double(TwipsToDevice(layout.targetHeight, dpi)) / layout.sourceHeight);
    PaintNotationVectors(painter, scene, toPage,
                         QRectF(0, 0, layout.sourceWidth, layout.sourceHeight), NotationTextFont());
    painter.end();
    return bytes;
}

PdfExportResult ExportPdf(const UsulRecord& usul, Language language, const QString& nameBoxText,
                          const std::filesystem::path& folder,
                          const std::filesystem::path& fileOverride) {
    PdfExportResult result;
    if (MevcutHalka(usul) == 0) {
        result.message = kNoBeatsMessage;
        return result;
    }
    if (fileOverride.empty()) {
        const JpgFileNameResult name =
            PdfFileName(usul.beats, usul.mertebe, TrimmedName(nameBoxText.toStdString()));
        if (name.message != kNoMessage) {
            result.message = name.message;
            return result;
        }
        result.file = folder / PathFromUtf8(name.fileName);
    } else {
        result.file = fileOverride;
    }
    const QByteArray pdf = NotationPdf(usul, language, &result.layout);

    std::error_code error;
    if (const auto parent = result.file.parent_path(); !parent.empty()) {
        std::filesystem::create_directories(parent, error);
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(pdf.constData());
    if (error || pdf.isEmpty() || std::filesystem::is_directory(result.file, error) ||
        !ReplaceFileContent(result.file, {data, static_cast<std::size_t>(pdf.size())}).empty()) {
        result.fault = PictureWriteFault::AccessDenied;
    }
    return result;
}

}  // namespace ritmora
