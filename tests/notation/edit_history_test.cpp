#include "notation/edit_history.h"

#include <gtest/gtest.h>

namespace ritmora {
namespace {

// A state whose cell 1 holds `value` as its right-hand duration.
EditorState WithFirst(int value) {
    EditorState state;
    state.cells[0].rightDuration = static_cast<std::uint8_t>(value);
    return state;
}

TEST(EditHistoryTest, UndoAndRedoWalkTheStatesAndANewEditDropsTheRedoSteps) {
    EditHistory history;
    history.Reset(WithFirst(0));
    EXPECT_FALSE(history.Undo().has_value());
    EXPECT_FALSE(history.Record(WithFirst(0))) << "an unchanged state is no step";
    for (int value : {8, 12, 14}) EXPECT_TRUE(history.Record(WithFirst(value)));
    for (int value : {12, 8, 0}) EXPECT_EQ(history.Undo(), WithFirst(value));
    EXPECT_FALSE(history.Undo().has_value());
    for (int value : {8, 12, 14}) EXPECT_EQ(history.Redo(), WithFirst(value));
    EXPECT_FALSE(history.Redo().has_value());
    history.Undo();
    history.Record(WithFirst(32));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Undo(), WithFirst(12));
    history.Reset(WithFirst(64));
    EXPECT_FALSE(history.CanUndo() || history.CanRedo());
}

TEST(EditHistoryTest, KeysTypedIntoOneBoxMakeOneStepUntilAnotherEditOrAnUndo) {
    EditHistory history;
    EditorState state;
    history.Reset(state);
    for (const char* typed : {"A", "Ak", "Aks"}) {
        state.name = typed;
        history.Record(state, 1);
    }
    state.beats = "5";
    history.Record(state, 2);
    state.name = "Aksak";
    history.Record(state, 1);
    EXPECT_EQ(history.UndoSteps(), 3u);
    EXPECT_EQ(history.Undo()->name, "Aks");
    state.name = "Aksa";
    history.Record(state, 1);  // after an undo the same box starts a new step
    for (const char* name : {"Aks", "Aks", ""}) EXPECT_EQ(history.Undo()->name, name);
}

TEST(EditHistoryTest, TheOldestStepsGoFirstBeyondTheDepth) {
    EditHistory history(3);
    history.Reset(WithFirst(1));
    for (int value = 2; value <= 6; ++value) history.Record(WithFirst(value));
    for (int value : {5, 4, 3}) EXPECT_EQ(history.Undo(), WithFirst(value));
    EXPECT_FALSE(history.Undo().has_value());
}

}  // namespace
}  // namespace ritmora
