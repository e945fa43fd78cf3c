// The whole-usul commands, undo and redo, and the keyboard shortcuts on the real window.
#include "app/texts.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class EditingCommandsTest : public WindowFixture {
  protected:
    QString Status() { return Controls().Label4->text(); }

    // "Nim sofyan" 2/8 (slot 1) saved as into user slot 205, where the buttons work.
    void NimSofyanInUserSlot() {
        LoadSlot(1);
        SaveAs(205);
        ASSERT_EQ(Window().CurrentSlot(), 205);
        ASSERT_EQ(StrokeRings(), (std::vector<int>{1, 6}));  // two eighths, right and left
        ClearMessages();
    }
};

// Each button reaches its own command and the status follows the new total (the rules
// themselves are the transforms' own tests); a refused command says so and changes nothing.
TEST_F(EditingCommandsTest, EachCommandButtonAppliesItsCommandOrRefusesWithMessage7) {
    NimSofyanInUserSlot();
    const struct {
        const char* button;
        std::vector<int> rings;
        int firstDuration, status;
    } applied[] = {{"But_uzat", {1, 6}, 8, message::kStatusMatch},
                   {"But_kısalt", {1, 5}, 8, message::kStatusMatch},
                   {"But_optimize", {1, 6}, 8, message::kStatusMatch},
                   {"But_mertebe(0)", {1, 6}, 16, message::kStatusExceed}};
    for (const auto& c : applied) {
        Click(c.button);
        EXPECT_EQ(StrokeRings(), c.rings) << c.button;
        EXPECT_EQ(Cell(1).rightDuration, c.firstDuration) << c.button;
        EXPECT_EQ(Status(), Message(c.status)) << c.button;
    }
    ChooseInNextPopup("dörtlük");  // the denominator's popup: 2/4 asks for the doubled 32
    QTest::mouseClick(Controls().Text3, Qt::LeftButton);
    QTRY_COMPARE(Controls().Text3->text(), "4");
    EXPECT_EQ(Status(), Message(message::kStatusMatch));
    Click("But_mertebe(1)");
    EXPECT_EQ(Cell(1).rightDuration, 8);
    EXPECT_EQ(Status(), Message(message::kStatusShort));
    EXPECT_TRUE(Messages().empty());

    const std::pair<int, const char*> refused[] = {{1, "But_mertebe(1)"},     // a 1 would vanish
                                                   {200, "But_mertebe(0)"}};  // over a byte
    for (const auto& [duration, button] : refused) {
        ChangeCell(3, [&](StrokeCell& cell) { cell.rightDuration = std::uint8_t(duration); });
        const CellSnapshot before = Cells();
        Click(button);
        EXPECT_EQ(LastMessage(), Message(message::kDurationsCannotChange)) << button;
        EXPECT_EQ(Cells(), before) << button;
    }
}

// One history holds the cells, the boxes, the unit note and the totals: every step comes back
// exactly, Temizle's too, and a new edit after an undo drops the redo steps.
TEST_F(EditingCommandsTest, UndoAndRedoRestoreEverythingShownAtEveryStep) {
    NimSofyanInUserSlot();
    auto shown = [this] {
        const WindowControls& c = Controls();
        return std::tuple{Cells(), Window().UnitNote(),
                          QStringList{c.Label1->text(), c.Text2->text(), c.Text3->text(),
                                      c.Text4->text(), c.Text5->text(), c.Label4->text()}};
    };
    std::vector states{shown()};
    const std::function<void()> edits[] = {
        [&] { Press(UpperLine(1)); },                   // loudness
        [&] { Press(LowerLine(6), Qt::RightButton); },  // dots
        [&] {
            Press({RingX(2) + 10, 75});
        },  // separator
        [&] {
            ChooseInNextPopup("Mn_editNota(3)");
            Press(Centre(3));
        },
        [&] {
            ChooseInNextPopup("Mn_metin(2)");
            Press(Centre(3), Qt::RightButton);
        },
        [&] { Controls().Text5->setText("Yeni ad"); },
        [&] { Controls().Text2->setText("3"); },
        [&] { Controls().Text3->setText("16"); },
        [&] { QTest::mouseClick(Controls().PicBirimNota, Qt::LeftButton); },
        [&] { Click("But_mertebe(1)"); },
        [&] { Click("But_kısalt"); },
        [&] { Click("But_Temizle"); },
    };
    for (const auto& edit : edits) {
        edit();
        if (shown() != states.back()) states.push_back(shown());
    }
    ASSERT_GE(states.size(), 12u);
    ASSERT_EQ(Window().Model().History().UndoSteps(), states.size() - 1);
    for (std::size_t back = states.size() - 1; back-- > 0;) {
        Panel().UndoAction()->trigger();
        EXPECT_EQ(shown(), states[back]) << back;
    }
    Panel().Undo();  // nothing more
    EXPECT_EQ(shown(), states.front());
    for (std::size_t forward = 1; forward < states.size(); ++forward) {
        Panel().RedoAction()->trigger();
        EXPECT_EQ(shown(), states[forward]) << forward;
    }
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

TEST_F(EditingCommandsTest, LoadingOrSavingStartsAFreshHistory) {
    NimSofyanInUserSlot();
    EXPECT_FALSE(Window().Model().History().CanUndo());  // saving as started afresh
    Press(UpperLine(1));
    Click("But_mertebe(0)");
    ASSERT_TRUE(Window().Model().History().CanUndo());
    Click("But_kaydet");  // refused: the history stays
    EXPECT_EQ(LastMessage(), Message(message::kBeatsExceed));
    EXPECT_TRUE(Window().Model().History().CanUndo());
    Click("But_mertebe(1)");
    ClearMessages();
    Panel().SaveAction()->trigger();  // the save key
    ASSERT_TRUE(Messages().empty());
    EXPECT_EQ(ReadSlot(205).cells, Cells());
    EXPECT_FALSE(Window().Model().History().CanUndo());
    Press(UpperLine(6));
    LoadSlot(2);
    EXPECT_FALSE(Window().Model().History().CanUndo());
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

}  // namespace
}  // namespace ritmora::testing
