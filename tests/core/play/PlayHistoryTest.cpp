#include "core/play/PlayHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

// The steps of the table below: each one what a key press or a command does.
void Act(char action, PlayGrid& grid)
{
    switch (action) {
    case 'a': EnterDigit(grid, CellIndex(1, 1), 5, AutoClean::On); return; // also cleans (2, 2)'s 5
    case 'b': ToggleMark(grid, CellIndex(2, 2), 3); return;
    case 'c': FillCandidates(grid); return;
    case 'd': EraseCell(grid, CellIndex(1, 1)); return;
    case 'e': EnterDigit(grid, CellIndex(1, 1), 7, AutoClean::On); return;
    case 'n': ToggleMark(grid, CellIndex(9, 9), 1); return; // a given: changes nothing
    default: FAIL() << "no step " << action;
    }
}

PlayGrid StartGrid()
{
    PlayGrid grid;
    grid.givens[std::size_t(CellIndex(9, 9))] = true;
    grid.At(CellPlace{9, 9}) = CellState{4, true, 0};
    grid.At(CellPlace{2, 2}).marks = MarkOf(5) | MarkOf(6);
    grid.At(CellPlace{1, 1}) = CellState{8, false, 0}; // a solution held unseen
    return grid;
}

// Plays a sequence: letters are steps, U undo, R redo.
PlayGrid Played(const std::string& sequence)
{
    PlayGrid grid = StartGrid();
    PlayHistory history;
    for (char action : sequence) {
        if (action == 'U') {
            history.Undo(grid);
            continue;
        }
        if (action == 'R') {
            history.Redo(grid);
            continue;
        }
        const PlayGrid before = grid;
        Act(action, grid);
        history.Record(StepBetween(before, grid));
    }
    return grid;
}

// Each sequence with undo and redo leaves the board as the plain steps that
// remain in effect would.
TEST(PlayHistory, UndoAndRedoSequencesLeaveTheBoardOfTheStepsInEffect)
{
    const struct {
        std::string played;
        std::string same;
    } cases[] = {
        {"U", ""},          {"R", ""},          {"aU", ""},       {"aUR", "a"},       {"abU", "a"},
        {"abUU", ""},       {"abUUR", "a"},     {"abUURR", "ab"}, {"abUURRR", "ab"},  {"abUUUU", ""},
        {"abUc", "ac"},     {"abUcR", "ac"},    {"abUcUR", "ac"}, {"cU", ""},         {"acbdU", "acb"},
        {"aeU", "a"},       {"aeUU", ""},       {"anU", ""},      {"aUnR", "a"},      {"adUUR", "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Played(c.played), Played(c.same)) << c.played << " as " << c.same;
    }
    // Undoing everything gives back the start exactly, the unseen solution too.
    EXPECT_EQ(Played("acbdeUUUUU"), StartGrid());
}

TEST(PlayHistory, AStepHoldsEveryCellItChangedAndNothingElse)
{
    PlayGrid grid = StartGrid();
    const PlayGrid before = grid;
    Act('a', grid);
    const PlayStep step = StepBetween(before, grid);
    ASSERT_EQ(step.size(), 2u) << "the digit and the cleaned mark are one step";
    EXPECT_EQ(step[0].index, CellIndex(1, 1));
    EXPECT_EQ(step[0].before, (CellState{8, false, 0}));
    EXPECT_EQ(step[0].after, (CellState{5, true, 0}));
    EXPECT_EQ(step[1].index, CellIndex(2, 2));
    EXPECT_EQ(step[1].after.marks, MarkOf(6));

    PlayHistory history;
    history.Record(PlayStep{});
    EXPECT_FALSE(history.CanUndo()) << "an empty step is no step";
    history.Record(PlayStep{{CellIndex(1, 1), CellState{8, false, 0}, CellState{0, false, 0}}});
    EXPECT_FALSE(history.CanUndo()) << "an empty cell emptied again is no step";
    history.Record(step);
    EXPECT_TRUE(history.CanUndo());
    history.Clear();
    EXPECT_FALSE(history.Undo(grid));
    EXPECT_FALSE(history.CanRedo());
}

} // namespace
} // namespace orvane
