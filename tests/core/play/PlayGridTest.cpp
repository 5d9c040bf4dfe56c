#include "core/play/PlayGrid.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A grid from nine rows of text, row by row: "1".."9" a given, "a".."i" a
// digit the player entered (a = 1), "." an empty open cell.
PlayGrid GridFromRows(const char* const rows[BoardSize])
{
    PlayGrid grid;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const char c = rows[y - 1][x - 1];
            CellState& cell = grid.At(CellPlace{x, y});
            grid.givens[std::size_t(CellIndex(x, y))] = c >= '1' && c <= '9';
            if (c >= '1' && c <= '9')
                cell = CellState{c - '0', true, 0};
            else if (c >= 'a' && c <= 'i')
                cell = CellState{c - 'a' + 1, true, 0};
        }
    return grid;
}

const char* const SomeRows[BoardSize] = {
    "53..7....", //
    "6..195...", //
    ".98....6.", //
    "8...6...3", //
    "4..8.3..1", //
    "7...2...6", //
    ".6....28.", //
    "...419..5", //
    "....8..79", //
};

MarkSet Marks(std::initializer_list<int> digits)
{
    MarkSet marks = 0;
    for (int digit : digits)
        marks |= MarkOf(digit);
    return marks;
}

TEST(PlayGrid, PeersAreTheRowColumnAndBoxWithoutTheCell)
{
    const std::array<int, PeerCount>& peers = PeersOf(CellIndex(5, 5));
    int row = 0;
    int column = 0;
    int boxOnly = 0;
    for (int peer : peers) {
        const CellPlace place = PlaceOf(peer);
        EXPECT_FALSE(place == (CellPlace{5, 5}));
        if (place.y == 5)
            ++row;
        else if (place.x == 5)
            ++column;
        else if (place.x >= 4 && place.x <= 6 && place.y >= 4 && place.y <= 6)
            ++boxOnly;
    }
    EXPECT_EQ(row, 8);
    EXPECT_EQ(column, 8);
    EXPECT_EQ(boxOnly, 4);
}

// An entered digit takes its marks off every cell it sees, and nothing else:
// marks 4 and 7 are spread over cells that share the row, the column, the
// box or nothing with (5, 5), and 4 is entered there.
TEST(PlayGrid, AutoCleanTakesTheDigitOffTheRowColumnAndBoxOnly)
{
    const struct {
        const char* what;
        CellPlace place;
        bool sees;
    } cells[] = {
        {"same row, far left", {1, 5}, true},     {"same row, in the box", {6, 5}, true},
        {"same column, top", {5, 1}, true},       {"same column, bottom", {5, 9}, true},
        {"same box, corner", {4, 4}, true},       {"same box, other corner", {6, 6}, true},
        {"another box in the band", {1, 4}, false}, {"another box in the stack", {4, 8}, false},
        {"nothing shared", {9, 9}, false},
    };
    for (const AutoClean autoClean : {AutoClean::On, AutoClean::Off}) {
        PlayGrid grid;
        for (const auto& cell : cells)
            grid.At(cell.place).marks = Marks({4, 7});
        grid.At(CellPlace{5, 5}).marks = Marks({4, 9});
        EnterDigit(grid, CellIndex(5, 5), 4, autoClean);
        const bool on = autoClean == AutoClean::On;
        for (const auto& cell : cells)
            EXPECT_EQ(grid.At(cell.place).marks, on && cell.sees ? Marks({7}) : Marks({4, 7}))
                << cell.what << (on ? "" : ", auto-clean off");
        EXPECT_EQ(grid.At(CellPlace{5, 5}).Digit(), 4);
        EXPECT_EQ(grid.At(CellPlace{5, 5}).marks, Marks({4, 9})) << "the cell's own marks are hidden, not lost";
    }
}

TEST(PlayGrid, EnteringZeroEmptiesTheCellAndItsMarksShowAgain)
{
    PlayGrid grid;
    grid.At(CellPlace{2, 3}).marks = Marks({1, 2});
    EnterDigit(grid, CellIndex(2, 3), 5, AutoClean::On);
    EnterDigit(grid, CellIndex(2, 3), 0, AutoClean::On);
    EXPECT_EQ(grid.At(CellPlace{2, 3}), (CellState{0, false, Marks({1, 2})}));
}

TEST(PlayGrid, GivensTakeNoEntryNoMarkAndNoErasure)
{
    PlayGrid grid = GridFromRows(SomeRows);
    const PlayGrid before = grid;
    const int given = CellIndex(1, 1);
    EnterDigit(grid, given, 9, AutoClean::On);
    ToggleMark(grid, given, 2);
    EraseCell(grid, given);
    ClearCellMarks(grid, given);
    EXPECT_EQ(grid, before);
}

TEST(PlayGrid, MarksToggleOnlyInCellsThatShowNoDigit)
{
    PlayGrid grid;
    const int cell = CellIndex(4, 4);
    ToggleMark(grid, cell, 3);
    ToggleMark(grid, cell, 8);
    EXPECT_EQ(grid.cells[std::size_t(cell)].marks, Marks({3, 8}));
    ToggleMark(grid, cell, 3);
    EXPECT_EQ(grid.cells[std::size_t(cell)].marks, Marks({8}));

    // An open cell nobody played holds its solution unseen: it shows nothing.
    grid.cells[std::size_t(cell)].value = 6;
    ToggleMark(grid, cell, 1);
    EXPECT_EQ(grid.cells[std::size_t(cell)].marks, Marks({1, 8}));

    EnterDigit(grid, cell, 6, AutoClean::Off);
    ToggleMark(grid, cell, 2);
    EXPECT_EQ(grid.cells[std::size_t(cell)].marks, Marks({1, 8})) << "a cell that shows a digit";
}

TEST(PlayGrid, EraseTakesTheDigitFirstThenTheMarks)
{
    PlayGrid grid;
    const int cell = CellIndex(7, 2);
    grid.cells[std::size_t(cell)].marks = Marks({2, 5});
    EnterDigit(grid, cell, 9, AutoClean::Off);
    EraseCell(grid, cell);
    EXPECT_EQ(grid.cells[std::size_t(cell)], (CellState{0, false, Marks({2, 5})}));
    EraseCell(grid, cell);
    EXPECT_EQ(grid.cells[std::size_t(cell)], (CellState{}));
}

TEST(PlayGrid, FillCandidatesWritesWhatTheDigitsAllow)
{
    PlayGrid grid = GridFromRows(SomeRows);
    // A player's digit counts like a given; marks do not count at all.
    EnterDigit(grid, CellIndex(3, 1), 4, AutoClean::Off);
    grid.At(CellPlace{4, 1}).marks = Marks({1});
    grid.At(CellPlace{3, 1}).marks = Marks({9}); // hidden under the 4
    FillCandidates(grid);

    // Row 1 holds 5 3 4 7, column 4 holds 1 8 4, box 2 holds 7 1 9 5.
    EXPECT_EQ(grid.At(CellPlace{4, 1}).marks, Marks({2, 6}));
    // Row 5 holds 4 8 3 1, column 5 holds 7 9 6 2 1 8, box 5 holds 6 8 3 2.
    EXPECT_EQ(grid.At(CellPlace{5, 5}).marks, Marks({5}));
    EXPECT_EQ(grid.At(CellPlace{3, 1}).marks, Marks({9})) << "a cell with a digit keeps its hidden marks";
    EXPECT_EQ(grid.At(CellPlace{1, 1}).marks, 0) << "givens get no marks";
    for (int index = 0; index < CellCount; ++index)
        if (!grid.givens[std::size_t(index)] && grid.cells[std::size_t(index)].Digit() == 0) {
            EXPECT_EQ(grid.cells[std::size_t(index)].marks, AllowedDigits(grid, index)) << index;
        }
}

TEST(PlayGrid, RepeatedDigitsAreFoundInRowsColumnsAndBoxes)
{
    const struct {
        const char* what;
        CellPlace first;
        CellPlace second;
        int digit;
    } cases[] = {
        {"a row", {1, 3}, {9, 3}, 2},
        {"a column", {6, 1}, {6, 9}, 2},
        {"a box only", {7, 9}, {8, 8}, 3},
    };
    for (const auto& c : cases) {
        PlayGrid grid = GridFromRows(SomeRows);
        const std::array<bool, CellCount> before = RepeatedDigits(grid);
        EXPECT_EQ(before, (std::array<bool, CellCount>{})) << "a valid grid, " << c.what;
        EnterDigit(grid, CellIndex(c.first), c.digit, AutoClean::Off);
        EnterDigit(grid, CellIndex(c.second), c.digit, AutoClean::Off);
        const std::array<bool, CellCount> repeated = RepeatedDigits(grid);
        for (int index = 0; index < CellCount; ++index) {
            const CellPlace place = PlaceOf(index);
            EXPECT_EQ(repeated[std::size_t(index)], place == c.first || place == c.second)
                << c.what << " at " << place.x << "," << place.y;
        }
    }
    // A digit held but not shown repeats nothing.
    PlayGrid grid;
    grid.At(CellPlace{1, 1}) = CellState{5, false, 0};
    grid.At(CellPlace{2, 1}) = CellState{5, true, 0};
    EXPECT_EQ(RepeatedDigits(grid), (std::array<bool, CellCount>{}));
}

} // namespace
} // namespace orvane
