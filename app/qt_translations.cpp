#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ritmora {

QtTranslations::QtTranslations() : turkish_(new QTranslator) {
    // Where Qt keeps them, else a "translations" folder beside the program (a portable copy).
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (turkish_->load(QLocale(QLocale::Turkish), QStringLiteral("qtbase"), QStringLiteral("_"),
                           folder)) {
            loaded_ = true;
            break;
        }
    }
}

QtTranslations::~QtTranslations() {
    Use(Language::English);
    delete turkish_;
}

bool QtTranslations::Use(Language language) {
    const bool turkish = language == Language::Turkish;
    if (turkish && loaded_ && !installed_) {
        installed_ = QCoreApplication::installTranslator(turkish_);
    } else if (!turkish && installed_) {
        QCoreApplication::removeTranslator(turkish_);
        installed_ = false;
    }
    return !turkish || installed_;
}

}  // namespace ritmora
