#pragma once
// The notation as a JPG picture: a white canvas with the title line on top and the notation,
// without its ring outlines, below it; encoded at quality 85 into "N-D  Name.jpg".
#include <QFont>
#include <QImage>
#include <QString>
#include <filesystem>

#include "export/export_texts.h"
#include "export/page_layout.h"
#include "library/usul_record.h"

namespace ritmora {

struct JpgExportResult {
    int message = kNoMessage;  // 3: no beats; 22: the name cannot make a file name
    PictureWriteFault fault = PictureWriteFault::None;  // the encoder or the file failed
    std::filesystem::path file;  // the picture's path (written, or the one that failed)
    QImage canvas;               // the composed picture; null when nothing was composed
    JpgLayout layout;

    bool Written() const { return message == kNoMessage && fault == PictureWriteFault::None; }
};

// Composes the exported picture from the notation picture (the screen's Picture1 image or one
// drawn offscreen): white canvas, the notation with its rings hidden ANDed in at (0, 40), the
// title in 12-point sans-serif with its top-left corner at (40, 20). The ring outlines are hidden
// in a copy, so the notation picture itself is never changed and its rings stay grey.
QImage ComposeJpgPicture(const QImage& notationPicture, const JpgLayout& layout,
                         const QString& title);

// Writes `picture` to `file` through QImageWriter at `quality` (clamped to 0..100): into a
// temporary file in the same folder, renamed over `file` only when complete, so an existing
// picture is replaced whole or not at all.
PictureWriteFault WritePictureFile(const QImage& picture, const std::filesystem::path& file,
                                   const char* format = "jpg", int quality = kJpgQuality);

// The whole export. `nameBoxText` is the usul's name as the name box shows it (trimmed here).
// The picture goes to `folder`/"N-D  Name.jpg" (the folder is created when missing), or to
// `fileOverride` when one is given (the name then only makes the title).
JpgExportResult ExportJpg(const QImage& notationPicture, const UsulRecord& usul,
                          const QString& nameBoxText, const std::filesystem::path& folder,
                          const std::filesystem::path& fileOverride = {});

}  // namespace ritmora
