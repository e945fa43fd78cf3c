#pragma once
// The real main window with the editing panel installed, and helpers that press on the
// notation the way a user does.
#include <QMenu>

#include "app/editing_panel.h"
#include "notation/geometry.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {

class EditingFixture : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(Window().StartedOk());
        panel_ = InstallEditingPanel(Window());
        ASSERT_NE(panel_, nullptr);
    }

    EditingPanel& Panel() { return *panel_; }
    StrokeCell& Cell(int ring) { return Window().CurrentUsul().Cell(ring); }
    CellSnapshot Cells() { return Window().CurrentUsul().cells; }

    // Picture positions of ring `ring`: its centre, the right-hand line and the left-hand line.
    static int RingX(int ring) { return RingCentreX(ColumnOfRing(ring)); }
    static int RowTopOf(int ring) { return RowTop(RowOfRing(ring)); }
    static QPoint Centre(int ring) { return {RingX(ring), RowTopOf(ring) + 75}; }
    static QPoint UpperLine(int ring) { return {RingX(ring), RowTopOf(ring) + 60}; }
    static QPoint LowerLine(int ring) { return {RingX(ring), RowTopOf(ring) + 90}; }

    // A real press on the notation picture (it must be tall enough for the row).
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Controls().Picture1, button, {}, at);
        QTest::mouseRelease(Controls().Picture1, button, {}, at);
    }

    // Gives the picture `rows` rows by putting a left-hand stroke into the row's last ring
    // (ring 45 x rows) and redrawing.
    void EnsureRows(int rows) {
        Cell(kRingsPerRow * rows).leftDuration = 2;
        Window().göster();
    }

    // Chooses the named item of the next popup menu as the user does (a click on it), and
    // remembers where the menu stood. A popup without that item is closed.
    void ChooseInNextPopup(const QString& itemName) {
        QTimer::singleShot(0, [this, itemName] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            popupPosition_ = menu->pos();
            popupName_ = menu->objectName();
            QAction* item = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->objectName() == itemName) item = action;
            }
            if (item == nullptr) {
                menu->close();
                return;
            }
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            if (menu->isVisible()) menu->close();
        });
    }

    // Loads an empty user slot, so that the notation takes presses.
    void LoadEmptyUserSlot(int slot = 201) {
        LoadSlot(slot);
        ASSERT_EQ(Window().CurrentSlot(), slot);
        ASSERT_EQ(MevcutHalkaOfWindow(), 0);
    }

    int MevcutHalkaOfWindow() {
        int last = 0;
        for (int ring = 1; ring <= kCellCount; ++ring) {
            if (!Cell(ring).IsEmpty()) last = ring;
        }
        return last;
    }

    QPoint popupPosition_;
    QString popupName_;

  private:
    EditingPanel* panel_ = nullptr;
};

}  // namespace ritmora::testing
