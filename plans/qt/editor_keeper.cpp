#include "plans/qt/editor_keeper.h"

#include <QLabel>
#include <QLineEdit>

#include "app/main_window.h"
#include "notation/qt/notation_view.h"

namespace ritmora {

void EditorKeeper::Keep() {
    if (kept_) return;
    const WindowControls& c = window_.Controls();
    Snapshot snapshot;
    snapshot.usul = window_.CurrentUsul();
    snapshot.slot = window_.CurrentSlot();
    snapshot.selectedRing = window_.SelectedRing();
    snapshot.slotLabel = c.Label1->text();
    snapshot.totalText = c.Text4->text();
    snapshot.statusText = c.Label4->text();
    snapshot.statusPalette = c.Label4->palette();
    snapshot.picture = c.Picture1->Picture().copy();
    snapshot.picturePosition = c.Picture1->pos();
    snapshot.language = window_.language();
    kept_ = std::move(snapshot);
    borrowed_ = false;
}

void EditorKeeper::Restore() {
    if (!kept_) return;
    Snapshot snapshot = std::move(*kept_);
    kept_.reset();
    if (!borrowed_) return;
    borrowed_ = false;
    const WindowControls& c = window_.Controls();
    window_.CurrentUsul() = snapshot.usul;
    window_.SetCurrentSlot(snapshot.slot);
    // The label first: the window does not redraw on a label set this way.
    c.Label1->setText(snapshot.slotLabel);
    if (snapshot.language != window_.language()) {
        // The loudness letters of the picture belong to the old language: draw it anew.
        window_.göster();
        return;
    }
    c.Picture1->SetPictureSize(snapshot.picture.width(), snapshot.picture.height());
    c.Picture1->Picture() = snapshot.picture;
    c.Picture1->move(snapshot.picturePosition);
    c.Picture1->update();
    c.Text4->setText(snapshot.totalText);
    c.Label4->setText(snapshot.statusText);
    c.Label4->setPalette(snapshot.statusPalette);
    window_.SetSelectedRing(snapshot.selectedRing);
}

}  // namespace ritmora
