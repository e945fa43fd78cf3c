#include "export/qt/offscreen_notation.h"

#include <QFontDatabase>

#include "app/message_numbers.h"
#include "notation/geometry.h"
#include "notation/relayout.h"

namespace ritmora {

QFont NotationTextFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8);
    return font;
}

QFont TitleFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(12);
    return font;
}

LoudnessLetters LoudnessLettersFor(Language language) {
    return {QString::fromStdString(MessageText(language, message::kLoudLetter)),
            QString::fromStdString(MessageText(language, message::kMediumLetter)),
            QString::fromStdString(MessageText(language, message::kSoftLetter))};
}

QImage DrawNotationPicture(const UsulRecord& usul, const GlyphSheet& glyphs, Language language) {
    const int rows = RowCountForLastRing(MevcutHalka(usul));
    QImage picture(kNotationWidth, kRowHeight * rows, QImage::Format_RGB32);
    picture.fill(Qt::white);
    DrawNotation(picture, usul, glyphs, LoudnessLettersFor(language), NotationTextFont());
    return picture;
}

QString PathToQString(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()),
                             static_cast<qsizetype>(text.size()));
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace ritmora
