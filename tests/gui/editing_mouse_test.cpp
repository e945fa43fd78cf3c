// Editing by mouse on the real window: the hit test, dots, loudness, the note and syllable
// menus, the ring number under the mouse, and the tempo pickers.
#include "app/texts.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

using EditingMouseTest = EditingFixture;

TEST_F(EditingMouseTest, PressesWithNothingLoadedAreRefusedWithMessage15) {
    ASSERT_EQ(Window().CurrentSlot(), 0);
    const CellSnapshot before = Cells();
    Press(UpperLine(1));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), Message(15));
    EXPECT_EQ(Cells(), before);
}

TEST_F(EditingMouseTest, RingsGapsAndRowBandsFollowTheHitTest) {
    LoadEmptyUserSlot();
    Press({35, 60});  // the left edge of ring 1, on the right-hand line
    EXPECT_EQ(Cell(1).loudness, 1);
    const CellSnapshot afterFirst = Cells();
    Press({935, 60});  // past the last gap
    Press({34, 60});
    Press({40, 54});  // above the band
    Press({40, 96});  // below the band
    EXPECT_EQ(Cells(), afterFirst);

    // Ring 3 (centre 80): its gap runs from 86 to 94; 95 is ring 4 already.
    Press({86, 75});
    EXPECT_EQ(Cell(3).separator, 1);
    Press({94, 75});
    EXPECT_EQ(Cell(3).separator, 0);
    Press({95, 60});
    EXPECT_EQ(Cell(4).loudness, 1);
    EXPECT_EQ(Cell(3).loudness, 0);

    // The gap after ring 45 and the second row's first ring.
    EnsureRows(2);
    Press({RingX(45) + 10, 150 + 75});
    EXPECT_EQ(Cell(90).separator, 1);
    Press(UpperLine(46));
    EXPECT_EQ(Cell(46).loudness, 1);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(EditingMouseTest, OtherButtonsStepTheDotsOfTheHandTheLineBelongsTo) {
    LoadEmptyUserSlot();
    ChangeCell(1, [](StrokeCell& cell) {
        cell.rightDuration = 2;
        cell.leftDuration = 16;
    });
    std::vector<int> right;
    std::vector<int> left;
    for (int press = 0; press < 3; ++press) {
        Press(UpperLine(1), Qt::RightButton);
        right.push_back(Cell(1).rightDuration);
        Press(LowerLine(1), Qt::RightButton);
        left.push_back(Cell(1).leftDuration);
    }
    EXPECT_EQ(right, (std::vector<int>{3, 2, 3}));
    EXPECT_EQ(left, (std::vector<int>{24, 28, 16}));
    // An empty hand stays empty.
    Press(UpperLine(2), Qt::MiddleButton);
    EXPECT_TRUE(Cell(2).IsEmpty());
}

TEST_F(EditingMouseTest, FourLoudnessStepsReturnToUnsetFromEitherLine) {
    LoadEmptyUserSlot();
    ChangeCell(5, [&](StrokeCell& cell) { cell.rightDuration = 8; });
    std::vector<int> seen;
    for (QPoint at : {UpperLine(5), LowerLine(5), UpperLine(5), LowerLine(5)}) {
        Press(at);
        seen.push_back(Cell(5).loudness);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(Cell(5).rightDuration, 8);
}

TEST_F(EditingMouseTest, TheNoteMenuOpensWhereTheUserPressedAndSetsOneHand) {
    LoadEmptyUserSlot();
    ChangeCell(2, [&](StrokeCell& cell) { cell.leftDuration = 16; });
    Window().göster();
    // High on the (small) test screen, so that the menu need not be shifted onto it.
    Window().move(0, -150);
    ChooseInNextPopup("Mn_editNota(2)");  // right-hand eighth
    Press(Centre(2));
    EXPECT_EQ(popupName_, "Mn_edit");
    // Its pictures show at their full size.
    EXPECT_GE(Controls().Mn_edit->actionGeometry(Controls().Mn_editNota[0]).height(),
              Window().Glyphs().MenuPicture(0).deviceIndependentSize().height());
    EXPECT_EQ(popupPosition_, Controls().Picture1->mapToGlobal(Centre(2)));
    EXPECT_EQ(Cell(2).rightDuration, 8);
    EXPECT_EQ(Cell(2).leftDuration, 16);
    EXPECT_EQ(Controls().Text4->text(), "8");  // only the right hand counts
    EXPECT_EQ(Window().SelectedRing(), 0);     // the redraw after the menu cleared it

    // Left-hand whole note on ring 7, then a delete of the left hand empties it.
    ChooseInNextPopup("Mn_editNota(9)");
    Press(Centre(7));
    EXPECT_EQ(Cell(7).leftDuration, 64);
    ChooseInNextPopup("Mn_editNota(8)");
    Press(Centre(7));
    EXPECT_TRUE(Cell(7).IsEmpty());
}

TEST_F(EditingMouseTest, DeletingTheOnlyHandEmptiesTheCellWithItsLoudnessAndSyllable) {
    LoadEmptyUserSlot();
    ChangeCell(4, [](StrokeCell& cell) {
        cell.rightDuration = 16;
        cell.loudness = 3;
        cell.syllable = "Düm";
    });
    ChooseInNextPopup("Mn_editNota(6)");
    Press(Centre(4));
    EXPECT_TRUE(Cell(4).IsEmpty());
    EXPECT_EQ(Cell(4).loudness, 0);
    EXPECT_EQ(Cell(4).syllable, "   ");
}

TEST_F(EditingMouseTest, TheSyllableMenuOpensForOtherButtonsOnTheRing) {
    LoadEmptyUserSlot();
    ChangeCell(3, [&](StrokeCell& cell) { cell.rightDuration = 8; });
    ChooseInNextPopup("Mn_metin(5)");
    Press(Centre(3), Qt::RightButton);
    EXPECT_EQ(popupName_, "Mn_metinler");
    EXPECT_EQ(Cell(3).syllable, "Kâ ");
    ChooseInNextPopup("Mn_metin(7)");
    Press(Centre(3), Qt::RightButton);
    EXPECT_EQ(Cell(3).syllable, "Hek");
}

TEST_F(EditingMouseTest, MenuCommandsWithoutASelectedRingDoNothing) {
    LoadEmptyUserSlot();
    ASSERT_EQ(Window().SelectedRing(), 0);
    const CellSnapshot before = Cells();
    Panel().Mn_editNota_Click(3);
    Panel().Mn_metin_Click(0);
    EXPECT_EQ(Cells(), before);

    // Item 7 (the separator line) only clears loudness and syllable.
    ChangeCell(9, [](StrokeCell& cell) {
        cell.rightDuration = 4;
        cell.loudness = 2;
        cell.syllable = "Te ";
    });
    Window().SetSelectedRing(9);
    Panel().Mn_editNota_Click(7);
    EXPECT_EQ(Cell(9).rightDuration, 4);
    EXPECT_EQ(Cell(9).loudness, 0);
    EXPECT_EQ(Cell(9).syllable, "   ");
}

TEST_F(EditingMouseTest, HoveringARingShowsItsNumberInTheTopLeftCorner) {
    LoadEmptyUserSlot();
    EnsureRows(3);
    auto inkInCorner = [this] {
        const QImage picture = Picture();
        for (int y = 0; y <= 30; ++y) {
            for (int x = 0; x <= 30; ++x) {
                if (picture.pixelColor(x, y) != QColor(Qt::white)) return true;
            }
        }
        return false;
    };
    ASSERT_FALSE(inkInCorner());
    QTest::mouseMove(Controls().Picture1, Centre(91));
    EXPECT_EQ(Window().SelectedRing(), 91);
    EXPECT_TRUE(inkInCorner());

    // Off the rings the number is wiped.
    QTest::mouseMove(Controls().Picture1, {RingX(3) + 10, 75});
    EXPECT_FALSE(inkInCorner());
}

TEST_F(EditingMouseTest, TheUnitNoteStepsAroundAndTheTempoStartsAt150) {
    EXPECT_EQ(Controls().Label5->text(), "= 150");
    const int start = Window().UnitNote();
    EXPECT_EQ(start, 8);
    std::vector<int> seen;
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(Controls().PicBirimNota, Qt::LeftButton);
        seen.push_back(Window().UnitNote());
    }
    EXPECT_EQ(seen, (std::vector<int>{16, 4, 8}));
}

TEST_F(EditingMouseTest, TheMetronomeGridSetsTheTempoWithOneClick) {
    PictureBox* grid = Controls().Picture8;
    ASSERT_FALSE(grid->isVisible());
    QTest::mouseClick(Controls().Label5, Qt::LeftButton);
    ASSERT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->pos(), QPoint(50, 620));
    // Every number stays inside its cell, clear of the lines between the cells.
    int inkOnLines = 0;
    for (int line = 17; line < 170; line += 17) {
        for (int y = 0, dx = -1; y < 67; dx = dx == 1 ? -1 : dx + 1, y += dx == -1) {
            inkOnLines += qGray(grid->Picture().pixel(line + dx, y)) < 100;
        }
    }
    EXPECT_EQ(inkOnLines, 0);

    // Outside the 40 cells nothing happens.
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(169, 68));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(171, 10));
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(Controls().VScroll1->value(), 120);

    // Row 3, column 8.
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(7 * 17 + 8, 2 * 17 + 8));
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(Controls().VScroll1->value(), 150);
    EXPECT_EQ(Controls().Label5->text(), "= 120");

    // Row 1 column 1 and row 4 column 10.
    Panel().Picture8_MouseDown(Qt::LeftButton, 0, 0);
    EXPECT_EQ(Controls().Label5->text(), "= 20");
    Panel().Picture8_MouseDown(Qt::LeftButton, 169, 67);
    EXPECT_EQ(Controls().Label5->text(), "= 208");
}

TEST_F(EditingMouseTest, TheGridStaysHiddenInThePlannedMode) {
    Controls().Option4->setChecked(true);
    QTest::mouseClick(Controls().Label5, Qt::LeftButton);
    EXPECT_FALSE(Controls().Picture8->isVisible());
}

TEST_F(EditingMouseTest, TheDenominatorPopupWritesItsNumberIntoText3) {
    ChooseInNextPopup("onaltılık");
    QTest::mouseClick(Controls().Text3, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(popupName_, "Mn_birim");
    EXPECT_EQ(Controls().Text3->text(), "16");
}

}  // namespace
}  // namespace ritmora::testing
