#include "notation/edit_history.h"

#include <gtest/gtest.h>

namespace ritmora {
namespace {

// A snapshot whose cell 1 holds `value` as its right-hand duration.
CellSnapshot WithFirst(int value) {
    CellSnapshot cells{};
    cells[0].rightDuration = static_cast<std::uint8_t>(value);
    return cells;
}

TEST(EditHistoryTest, UndoAndRedoWalkBackAndForthThroughTheRecordedStates) {
    EditHistory history;
    history.Reset(WithFirst(0));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo().has_value());
    EXPECT_FALSE(history.Redo().has_value());

    EXPECT_TRUE(history.Record(WithFirst(8)));
    EXPECT_TRUE(history.Record(WithFirst(12)));
    EXPECT_TRUE(history.Record(WithFirst(14)));
    EXPECT_EQ(history.UndoSteps(), 3u);

    EXPECT_EQ(history.Undo(), WithFirst(12));
    EXPECT_EQ(history.Undo(), WithFirst(8));
    EXPECT_EQ(history.Undo(), WithFirst(0));
    EXPECT_FALSE(history.Undo().has_value());
    EXPECT_EQ(history.Present(), WithFirst(0));
    EXPECT_EQ(history.RedoSteps(), 3u);

    EXPECT_EQ(history.Redo(), WithFirst(8));
    EXPECT_EQ(history.Redo(), WithFirst(12));
    EXPECT_EQ(history.Redo(), WithFirst(14));
    EXPECT_FALSE(history.Redo().has_value());
    EXPECT_EQ(history.Present(), WithFirst(14));
}

TEST(EditHistoryTest, AnUnchangedStateIsNoStepAndANewEditDropsTheRedoSteps) {
    EditHistory history;
    history.Reset(WithFirst(16));
    EXPECT_FALSE(history.Record(WithFirst(16)));
    EXPECT_FALSE(history.CanUndo());

    history.Record(WithFirst(24));
    history.Record(WithFirst(28));
    history.Undo();
    EXPECT_TRUE(history.CanRedo());
    history.Record(WithFirst(32));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Undo(), WithFirst(24));
    EXPECT_EQ(history.Undo(), WithFirst(16));
}

TEST(EditHistoryTest, ResetStartsAFreshHistoryFromTheGivenState) {
    EditHistory history;
    history.Reset(WithFirst(0));
    history.Record(WithFirst(4));
    history.Undo();
    history.Reset(WithFirst(64));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Present(), WithFirst(64));
}

TEST(EditHistoryTest, TheOldestStepsGoFirstBeyondTheDepth) {
    EditHistory history(3);
    history.Reset(WithFirst(1));
    for (int value = 2; value <= 6; ++value) history.Record(WithFirst(value));
    EXPECT_EQ(history.UndoSteps(), 3u);
    EXPECT_EQ(history.Undo(), WithFirst(5));
    EXPECT_EQ(history.Undo(), WithFirst(4));
    EXPECT_EQ(history.Undo(), WithFirst(3));
    EXPECT_FALSE(history.Undo().has_value());

    EditHistory atLeastOne(0);
    atLeastOne.Reset(WithFirst(1));
    atLeastOne.Record(WithFirst(2));
    EXPECT_EQ(atLeastOne.Undo(), WithFirst(1));
}

TEST(EditHistoryTest, EveryFieldOfEveryCellCounts) {
    EditHistory history;
    CellSnapshot base{};
    history.Reset(base);
    CellSnapshot changed = base;
    changed[179].syllable = "Tek";
    EXPECT_TRUE(history.Record(changed));
    changed[90].separator = 1;
    EXPECT_TRUE(history.Record(changed));
    changed[45].loudness = 3;
    EXPECT_TRUE(history.Record(changed));
    changed[45].spare2 = 7;
    EXPECT_TRUE(history.Record(changed));
    history.Undo();
    history.Undo();
    history.Undo();
    const auto first = history.Undo();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, base);
}

}  // namespace
}  // namespace ritmora
