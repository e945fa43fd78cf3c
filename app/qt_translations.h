#pragma once
// Qt's own texts (the standard buttons of message boxes, the file dialogs) in the language of
// the window, from the translations that come with Qt.
#include "app/texts.h"

class QTranslator;

namespace ritmora {

class QtTranslations {
  public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Turkish puts Qt's Turkish texts in force, English takes them away again (Qt's own texts
    // are English). False when Qt's Turkish translation is not installed: the texts stay
    // English.
    bool Use(Language language);

  private:
    QTranslator* turkish_;
    bool loaded_ = false;
    bool installed_ = false;
};

}  // namespace ritmora
