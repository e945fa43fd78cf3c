#pragma once
// The notation as a PDF page: the printed page's layout (the title at (600, 300) twips, the
// notation without its ring outlines from (0, 500) twips) drawn as vector shapes and text with
// embedded fonts, on an A4 page in landscape, so that the full notation width fits nearly
// unstretched. Written whole or not at all through the program's safe writer.
#include <QByteArray>
#include <QString>
#include <filesystem>

#include "app/texts.h"
#include "export/export_texts.h"
#include "export/page_layout.h"
#include "library/usul_record.h"

namespace ritmora {

struct PdfExportResult {
    int message = kNoMessage;  // 3: no beats; 22: the name cannot make the default file name
    PictureWriteFault fault = PictureWriteFault::None;  // the file could not be written
    std::filesystem::path file;  // the PDF's path (written, or the one that failed)
    PrintLayout layout;          // twips, as on a printed page

    bool Written() const { return message == kNoMessage && fault == PictureWriteFault::None; }
};

// The PDF document of `usul`'s notation (loudness letters in `language`); empty when the usul
// has no beats. The title is the printed title: "N / D", eight blanks, the stored name.
QByteArray NotationPdf(const UsulRecord& usul, Language language, PrintLayout* layout = nullptr);

// The whole export. The file is `folder`/"N-D  Name.pdf" (the J P G rule, with the name box
// text `nameBoxText`), or `fileOverride` when one is given; its folder is created when missing.
PdfExportResult ExportPdf(const UsulRecord& usul, Language language, const QString& nameBoxText,
                          const std::filesystem::path& folder,
                          const std::filesystem::path& fileOverride = {});

}  // namespace ritmora
