// Editing by mouse on the real window: the hit test, dots, loudness, the note and syllable
// menus, and the tempo pickers.
#include "app/texts.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

using EditingMouseTest = WindowFixture;

// Presses reach the ring and hand under them, in any row, and nothing outside the rings' bands;
// the left button steps the loudness, the others the dots of the line's hand (the rules
// themselves are the notation's tests). With nothing loaded a press is refused.
TEST_F(EditingMouseTest, PressesEditTheRingAndHandUnderThemOnceAnUsulIsLoaded) {
    Press(UpperLine(1));
    EXPECT_EQ(LastMessage(), Message(message::kLoadAnUsulFirst));
    EXPECT_TRUE(Cell(1).IsEmpty());
    LoadEmptyUserSlot();
    ChangeCell(90, [](StrokeCell& cell) { cell.leftDuration = 2; });  // a second row
    ChangeCell(1, [](StrokeCell& cell) {
        cell.rightDuration = 2;
        cell.leftDuration = 16;
    });
    ClearMessages();
    for (QPoint outside : {QPoint(34, 60), QPoint(935, 60), QPoint(40, 54), QPoint(40, 96)}) {
        Press(outside);
    }
    EXPECT_EQ(Cell(1).loudness, 0);
    Press({35, 60});                       // the left edge of ring 1, on the right-hand line
    Press(LowerLine(1));                   // loudness from the left-hand line too
    Press(UpperLine(1), Qt::RightButton);  // the right hand's dots
    Press(LowerLine(1), Qt::RightButton);  // the left hand's dots
    EXPECT_EQ(Cell(1).loudness, 2);
    EXPECT_EQ(Cell(1).rightDuration, 3);
    EXPECT_EQ(Cell(1).leftDuration, 24);
    Press({RingX(3) + 6, 75});              // the gap after ring 3
    Press({RingX(45) + 10, 150 + 75});      // the gap after ring 90, in the second row
    Press(UpperLine(46), Qt::RightButton);  // an empty hand stays empty
    Press(LowerLine(46));
    EXPECT_EQ(Cell(3).separator, 1);
    EXPECT_EQ(Cell(90).separator, 1);
    EXPECT_EQ(Cell(46).loudness, 1);
    EXPECT_EQ(StrokeRings(), (std::vector<int>{1, 90}));
    EXPECT_TRUE(Messages().empty());
}

// The menus open where the user pressed and act on that ring; a choice once the ring is no
// longer selected does nothing.
TEST_F(EditingMouseTest, TheNoteAndSyllableMenusActOnTheRingPressed) {
    LoadEmptyUserSlot();
    ChangeCell(2, [&](StrokeCell& cell) { cell.leftDuration = 16; });
    Window().move(0, -150);  // high on the small test screen: the menu need not be shifted
    ChooseInNextPopup("Mn_editNota(2)");  // right-hand eighth
    Press(Centre(2));
    EXPECT_EQ(popupName_, "Mn_edit");
    EXPECT_EQ(popupPosition_, Controls().Picture1->mapToGlobal(Centre(2)));
    // Its pictures show at their full size.
    EXPECT_GE(Controls().Mn_edit->actionGeometry(Controls().Mn_editNota[0]).height(),
              Window().Glyphs().MenuPicture(0).deviceIndependentSize().height());
    EXPECT_EQ(Cell(2).rightDuration, 8);
    EXPECT_EQ(Cell(2).leftDuration, 16);
    EXPECT_EQ(Controls().Text4->text(), "8");  // only the right hand counts
    ChooseInNextPopup("Mn_metin(5)");
    Press(Centre(2), Qt::RightButton);
    EXPECT_EQ(popupName_, "Mn_metinler");
    EXPECT_EQ(Cell(2).syllable, "Kâ ");

    ASSERT_EQ(Window().SelectedRing(), 0);  // the redraw after the menu cleared it
    const CellSnapshot before = Cells();
    Panel().Mn_editNota_Click(3);
    Panel().Mn_metin_Click(0);
    EXPECT_EQ(Cells(), before);
}

TEST_F(EditingMouseTest, TheUnitNoteStepsAroundAndTheMetronomeGridSetsTheTempo) {
    std::vector<int> seen;
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(Controls().PicBirimNota, Qt::LeftButton);
        seen.push_back(Window().UnitNote());
    }
    EXPECT_EQ(seen, (std::vector<int>{16, 4, 8}));

    PictureBox* grid = Controls().Picture8;
    QTest::mouseClick(Controls().Label5, Qt::LeftButton);
    ASSERT_TRUE(grid->isVisible());
    // Outside the 40 cells nothing happens; row 3, column 8 is 120.
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(169, 68));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(171, 10));
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(Controls().VScroll1->value(), 120);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(7 * 17 + 8, 2 * 17 + 8));
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(Controls().VScroll1->value(), 150);
    EXPECT_EQ(Controls().Label5->text(), "= 120");
    // The corners: row 1 column 1 and row 4 column 10.
    Panel().Picture8_MouseDown(Qt::LeftButton, 0, 0);
    EXPECT_EQ(Controls().Label5->text(), "= 20");
    Panel().Picture8_MouseDown(Qt::LeftButton, 169, 67);
    EXPECT_EQ(Controls().Label5->text(), "= 208");
    // The plan mode has no grid.
    Controls().Option4->setChecked(true);
    QTest::mouseClick(Controls().Label5, Qt::LeftButton);
    EXPECT_FALSE(grid->isVisible());
}

}  // namespace
}  // namespace ritmora::testing
