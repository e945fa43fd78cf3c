#pragma once
// The notation of an usul drawn without a window, exactly as the main window draws it, and the
// small Qt helpers shared by the picture export and printing.
#include <QFont>
#include <QImage>
#include <QString>
#include <filesystem>

#include "app/texts.h"
#include "library/usul_record.h"
#include "notation/qt/glyph_sheet.h"
#include "notation/qt/notation_painter.h"

namespace ritmora {

// The window's notation font: the platform's sans-serif interface font at 8 points.
QFont NotationTextFont();

// The title font of pictures and pages: the same family at 12 points.
QFont TitleFont();

// "F", "M", "P" or "K", "O", "Z" from the message table.
LoudnessLetters LoudnessLettersFor(Language language);

// A 964-pixel-wide picture, 150 pixels per row used, with the usul drawn in it.
QImage DrawNotationPicture(const UsulRecord& usul, const GlyphSheet& glyphs, Language language);

// Paths and UTF-8 texts in both directions, independent of the process's locale.
QString PathToQString(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(const std::string& utf8);

}  // namespace ritmora
