#include "core/grader/Grid.h"

#include <gtest/gtest.h>

namespace orvane::grader {
namespace {

constexpr const char* SolutionRows =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(PuzzleText, ListsTheCellsColumnByColumnWithLettersForOpenCells)
{
    const Grid solution = *ParseRowText(SolutionRows);
    Grid givens{};
    givens[0] = solution[0];   // row 1, column 1: 5
    givens[1] = solution[1];   // row 1, column 2: 3
    const std::string text = PuzzleText(solution, givens);
    ASSERT_EQ(text.size(), 81u);
    EXPECT_EQ(text[0], '5');   // (column 1, row 1) given
    EXPECT_EQ(text[1], 'F');   // (column 1, row 2) open with solution 6
    EXPECT_EQ(text[9], '3');   // (column 2, row 1) given
    EXPECT_EQ(text[80], 'I');  // (column 9, row 9) open with solution 9

    const auto parsed = ParsePuzzleText(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->solution, solution);
    EXPECT_EQ(parsed->givens, givens);
}

TEST(PuzzleText, RejectsWhatIsNotThePuzzleFormat)
{
    const Grid solution = *ParseRowText(SolutionRows);
    const std::string good = PuzzleText(solution, solution);
    for (const std::string& bad : {good.substr(0, 80), good + "1", "a" + good.substr(1), "0" + good.substr(1),
                                   "J" + good.substr(1), " " + good.substr(1)})
        EXPECT_FALSE(ParsePuzzleText(bad)) << bad;
}

TEST(Grid, ValidityOfCompleteAndPartialGrids)
{
    Grid grid = *ParseRowText(SolutionRows);
    EXPECT_TRUE(IsCompleteValidGrid(grid));
    std::swap(grid[0], grid[1]); // row still fine, columns and box broken
    EXPECT_FALSE(IsCompleteValidGrid(grid));
    EXPECT_FALSE(HasNoConflict(grid));
    grid = *ParseRowText(SolutionRows);
    grid[40] = 0;
    EXPECT_FALSE(IsCompleteValidGrid(grid));
    EXPECT_TRUE(HasNoConflict(grid));
}

TEST(Grid, TablesNameTwentyPeersSharingAUnit)
{
    for (int cell = 0; cell < CellCount; ++cell)
        for (int peer : Tables().peers[cell]) {
            EXPECT_NE(peer, cell);
            EXPECT_TRUE(RowOf(peer) == RowOf(cell) || ColumnOf(peer) == ColumnOf(cell) || BoxOf(peer) == BoxOf(cell));
        }
    EXPECT_EQ(BoxOf(4 * 9 + 4), 4);
    EXPECT_EQ(Tables().unitCells[BoxUnit(8)][8], 80);
}

} // namespace
} // namespace orvane::grader
