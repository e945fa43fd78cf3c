#pragma once
// Keeps the editor's usul while the plan mode borrows the notation picture: plan playback shows
// the sounding passage's usul there, and leaving the plan mode must give the editor back its own
// usul, unsaved edits included, exactly as it was.
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QString>
#include <optional>

#include "app/texts.h"
#include "library/usul_record.h"

namespace ritmora {

class ArayüzKalıp;

class EditorKeeper {
  public:
    explicit EditorKeeper(ArayüzKalıp& window) : window_(window) {}

    // Takes a copy of the editor's usul and its picture (once; a second call keeps the first).
    void Keep();
    // The plan mode is about to put another usul on screen.
    void MarkBorrowed() { borrowed_ = true; }
    bool IsKept() const { return kept_.has_value(); }
    // Gives the editor its usul back when the plan mode changed what is shown, and forgets
    // the copy.
    void Restore();

  private:
    struct Snapshot {
        UsulRecord usul;
        int slot = 0;
        int selectedRing = 0;
        QString slotLabel;
        QString totalText;
        QString statusText;
        QPalette statusPalette;
        QImage picture;
        QPoint picturePosition;
        Language language = Language::Turkish;
    };

    ArayüzKalıp& window_;
    std::optional<Snapshot> kept_;
    bool borrowed_ = false;
};

}  // namespace ritmora
