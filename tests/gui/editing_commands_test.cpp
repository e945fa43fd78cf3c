// The whole-usul commands, undo and redo, and the keyboard shortcuts on the real window.
#include "app/texts.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class EditingCommandsTest : public EditingFixture {
  protected:
    QString Status() { return Controls().Label4->text(); }

    // "Nim sofyan" 2/8 (slot 1) saved as into user slot 205, where the buttons work.
    void NimSofyanInUserSlot() {
        LoadSlot(1);
        SaveAs(205);
        ASSERT_EQ(Window().CurrentSlot(), 205);
        ASSERT_TRUE(IsEnabled("But_mertebe(0)"));
        ASSERT_EQ(Cell(1).rightDuration, 8);
        ASSERT_EQ(Cell(6).leftDuration, 8);
        ASSERT_EQ(StrokeRings(), (std::vector<int>{1, 6}));
        ClearMessages();
    }
};

TEST_F(EditingCommandsTest, DoublingNimSofyanExceedsUntilTheDenominatorIsHalved) {
    NimSofyanInUserSlot();
    EXPECT_EQ(Status(), Message(17));
    Click("But_mertebe(0)");
    EXPECT_EQ(Cell(1).rightDuration, 16);
    EXPECT_EQ(Cell(6).leftDuration, 16);
    EXPECT_EQ(Controls().Text4->text(), "32");
    EXPECT_EQ(Status(), Message(16));
    ChooseInNextPopup("dörtlük");
    QTest::mouseClick(Controls().Text3, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(Controls().Text3->text(), "4");
    EXPECT_EQ(Status(), Message(17));

    // Halving brings the eighths back; the status says short until the denominator follows.
    Click("But_mertebe(1)");
    EXPECT_EQ(Cell(1).rightDuration, 8);
    EXPECT_EQ(Status(), Message(18));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(EditingCommandsTest, TransformsThatWouldLeaveTheNoteValuesAreRefusedWithMessage7) {
    NimSofyanInUserSlot();
    ChangeCell(2, [&](StrokeCell& cell) { cell.rightDuration = 6; });  // dotted sixteenth
    Window().göster();
    Click("But_mertebe(1)");
    EXPECT_EQ(Cell(2).rightDuration, 3);
    EXPECT_EQ(Cell(1).rightDuration, 4);
    const CellSnapshot halved = Cells();
    Click("But_mertebe(1)");
    EXPECT_EQ(LastMessage(), Message(7));
    EXPECT_EQ(Cells(), halved);

    for (int refused : {1, 2, 7}) {  // a 1 would vanish
        ClearMessages();
        ChangeCell(
            2, [&](StrokeCell& cell) { cell.leftDuration = static_cast<std::uint8_t>(refused); });
        const CellSnapshot before = Cells();
        Click("But_mertebe(1)");
        EXPECT_EQ(LastMessage(), Message(7)) << refused;
        EXPECT_EQ(Cells(), before) << refused;
    }

    // Doubling: a double-dotted half becomes 112, which cannot double again; nor can a stored
    // value above 127.
    ChangeCell(2, [](StrokeCell& cell) { cell = StrokeCell{}; });
    ChangeCell(3, [&](StrokeCell& cell) { cell.rightDuration = 56; });
    ClearMessages();
    Click("But_mertebe(0)");
    EXPECT_EQ(Cell(3).rightDuration, 112);
    EXPECT_TRUE(Messages().empty());
    const CellSnapshot doubled = Cells();
    Click("But_mertebe(0)");
    EXPECT_EQ(LastMessage(), Message(7));
    EXPECT_EQ(Cells(), doubled);
    ChangeCell(3, [&](StrokeCell& cell) { cell.rightDuration = 200; });
    ClearMessages();
    Click("But_mertebe(0)");
    EXPECT_EQ(LastMessage(), Message(7));
    EXPECT_EQ(Cell(3).rightDuration, 200);
}

TEST_F(EditingCommandsTest, SpacingCommandsOnNimSofyan) {
    NimSofyanInUserSlot();
    const CellSnapshot stored = Cells();
    Click("But_uzat");  // no level gives an eighth more room
    EXPECT_EQ(Cells(), stored);
    Click("But_kısalt");
    EXPECT_EQ(StrokeRings(), (std::vector<int>{1, 5}));
    EXPECT_EQ(Cell(1).syllable, stored[0].syllable);
    EXPECT_EQ(Cell(5).leftDuration, 8);
    Click("But_optimize");
    EXPECT_EQ(StrokeRings(), (std::vector<int>{1, 6}));
    EXPECT_EQ(Controls().Text4->text(), "16");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(EditingCommandsTest, SpacingCommandsOnAnUsulWithStrokesInEveryRing) {
    NimSofyanInUserSlot();
    for (int ring = 1; ring <= kCellCount; ++ring) {
        ChangeCell(ring, [](StrokeCell& cell) { cell.rightDuration = 2; });
    }
    ChangeCell(50, [&](StrokeCell& cell) { cell.separator = 1; });  // before a stroke: stays
    ChangeCell(180,
               [&](StrokeCell& cell) { cell.separator = 1; });  // after the last stroke: cleared
    Window().göster();
    EXPECT_EQ(Controls().Picture1->height(), 600);
    const CellSnapshot full = Cells();
    Click("But_uzat");
    EXPECT_EQ(Cells(), full);
    Click("But_optimize");
    CellSnapshot expected = full;
    expected[179].separator = 0;
    EXPECT_EQ(Cells(), expected);
    Click("But_kısalt");  // a thirty-second has no tighter spacing
    EXPECT_EQ(Cells(), expected);
}

TEST_F(EditingCommandsTest, UndoAndRedoRestoreTheExactCellsOfEveryStep) {
    NimSofyanInUserSlot();
    std::vector<CellSnapshot> states{Cells()};
    auto step = [&](auto&& edit) {
        edit();
        if (Cells() != states.back()) states.push_back(Cells());
    };
    step([&] { Press(UpperLine(1)); });                   // loudness
    step([&] { Press(LowerLine(6), Qt::RightButton); });  // dots
    step([&] { Press({RingX(2) + 10, 75}); });            // separator
    step([&] {
        ChooseInNextPopup("Mn_editNota(3)");
        Press(Centre(3));
    });
    step([&] {
        ChooseInNextPopup("Mn_metin(2)");
        Press(Centre(3), Qt::RightButton);
    });
    step([&] { Click("But_mertebe(1)"); });
    step([&] { Click("But_kısalt"); });
    step([&] { Click("But_optimize"); });
    step([&] { Click("But_Temizle"); });
    ASSERT_GE(states.size(), 9u);
    ASSERT_EQ(Window().Model().History().UndoSteps(), states.size() - 1);

    for (std::size_t back = states.size() - 1; back-- > 0;) {
        Panel().UndoAction()->trigger();
        EXPECT_EQ(Cells(), states[back]) << back;
    }
    Panel().Undo();  // nothing more
    EXPECT_EQ(Cells(), states.front());
    EXPECT_EQ(Controls().Text4->text(), "16");

    for (std::size_t forward = 1; forward < states.size(); ++forward) {
        Panel().RedoAction()->trigger();
        EXPECT_EQ(Cells(), states[forward]) << forward;
    }
    Panel().Redo();
    EXPECT_EQ(Cells(), states.back());

    // A new edit after an undo drops the redo steps.
    Panel().Undo();
    Press(UpperLine(1));
    EXPECT_FALSE(Window().Model().History().CanRedo());
}

TEST_F(EditingCommandsTest, TheKeysReachTheNotationUnlessABoxHasItsOwnUndo) {
    NimSofyanInUserSlot();
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    EXPECT_TRUE(Controls().Picture1->hasFocus());  // the closed list handed the keys on
    const CellSnapshot stored = Cells();
    Press(UpperLine(1));
    const CellSnapshot edited = Cells();
    auto key = [](Qt::Key which, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), which, modifiers);
    };
    QTest::mouseClick(Controls().Text2, Qt::LeftButton);
    QTest::keyClick(Controls().Text2, Qt::Key_End);
    QTest::keyClicks(Controls().Text2, "7");
    ASSERT_EQ(Controls().Text2->text(), "27");
    key(Qt::Key_Z);  // the box undoes its own typing
    EXPECT_EQ(Controls().Text2->text(), "2");
    EXPECT_EQ(Cells(), edited);
    key(Qt::Key_Z);  // nothing left in the box: the notation's step
    EXPECT_EQ(Cells(), stored);
    key(Qt::Key_Y);  // the notation's step first, then the box's own
    EXPECT_EQ(Cells(), edited);
    key(Qt::Key_Y);
    EXPECT_EQ(Controls().Text2->text(), "27");
    Press({5, 5});  // a click on the notation takes the keys
    EXPECT_TRUE(Controls().Picture1->hasFocus());
    key(Qt::Key_Z);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cells(), edited);
}

TEST_F(EditingCommandsTest, UndoAfterClearBringsBackTheWholeUsul) {
    NimSofyanInUserSlot();
    const QStringList shown{Controls().Label1->text(), Controls().Text2->text(),
                            Controls().Text3->text(),  Controls().Text4->text(),
                            Controls().Text5->text(),  Controls().Label4->text()};
    const CellSnapshot cells = Cells();
    Click("But_Temizle");
    ASSERT_EQ(Controls().Text5->text(), "");
    Panel().Undo();
    EXPECT_EQ(Cells(), cells);
    EXPECT_EQ((QStringList{Controls().Label1->text(), Controls().Text2->text(),
                           Controls().Text3->text(), Controls().Text4->text(),
                           Controls().Text5->text(), Controls().Label4->text()}),
              shown);
    Panel().Redo();
    EXPECT_EQ(Controls().Text5->text(), "");
    EXPECT_EQ(Controls().Text3->text(), "8");
}

TEST_F(EditingCommandsTest, LoadingOrSavingStartsAFreshHistory) {
    NimSofyanInUserSlot();
    EXPECT_FALSE(Window().Model().History().CanUndo());  // saving as started afresh
    Press(UpperLine(1));
    Click("But_mertebe(0)");
    ASSERT_TRUE(Window().Model().History().CanUndo());

    // A refused save keeps the history.
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(6));
    EXPECT_TRUE(Window().Model().History().CanUndo());

    Click("But_mertebe(1)");
    ClearMessages();
    Click("But_kaydet");
    ASSERT_TRUE(Messages().empty());
    EXPECT_FALSE(Window().Model().History().CanUndo());
    const CellSnapshot saved = Cells();
    EXPECT_EQ(ReadSlot(205).cells, saved);
    Panel().Undo();
    EXPECT_EQ(Cells(), saved);

    Press(UpperLine(6));
    ASSERT_TRUE(Window().Model().History().CanUndo());
    LoadSlot(2);
    EXPECT_FALSE(Window().Model().History().CanUndo());
    const CellSnapshot loaded = Cells();
    Panel().Undo();
    EXPECT_EQ(Cells(), loaded);

    Press(UpperLine(1));
    Click("But_sonraki");
    EXPECT_EQ(Window().CurrentSlot(), 3);
    EXPECT_FALSE(Window().Model().History().CanUndo());
}

TEST_F(EditingCommandsTest, ShortcutsRespectTheScreenLock) {
    LoadSlot(1);
    Press(UpperLine(1));  // fixed slots take presses, but cannot be saved
    const UsulRecord stored = ReadSlot(1);
    Panel().SaveAction()->trigger();
    EXPECT_EQ(ReadSlot(1), stored);
    EXPECT_TRUE(Messages().empty());

    Panel().StopAction()->trigger();  // the stop button is off while nothing plays
    Panel().LoadAction()->trigger();
    ASSERT_TRUE(Controls().List1->isVisible());
    // The list locks the rest: undo does nothing while the notation is hidden.
    const CellSnapshot edited = Cells();
    Panel().Undo();
    EXPECT_EQ(Cells(), edited);
    Panel().LoadAction()->trigger();  // the load button is off now
    ClickListLine(Controls().List1, 204);
    EXPECT_EQ(Window().CurrentSlot(), 205);
}

TEST_F(EditingCommandsTest, SaveKeySavesAUserSlot) {
    NimSofyanInUserSlot();
    Press(UpperLine(1));
    Panel().SaveAction()->trigger();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ReadSlot(205).cells, Cells());
    EXPECT_FALSE(Window().Model().History().CanUndo());
}

}  // namespace
}  // namespace ritmora::testing
