#include "ExactSolver.h"
#include "ReferenceSolver.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::bank {
namespace {

// A 17-given puzzle and its solution, found with the reference solver.
constexpr const char* Puzzle17 =
    "...8.1..........435............7.8........1...2..3....6......75..34........2..6..";
constexpr const char* Solution17 =
    "237841569186795243594326718315674892469582137728139456642918375853467921971253684";

// The cells of a rectangle in two rows of one band and two columns of
// different stacks holding a, b / b, a: blanked, the grid has two solutions.
std::array<int, 4> FindSwappableRectangle(const Grid& grid)
{
    for (int r1 = 0; r1 < GridSide; ++r1)
        for (int r2 = r1 + 1; r2 < GridSide && r2 / BoxSide == r1 / BoxSide; ++r2)
            for (int c1 = 0; c1 < GridSide; ++c1)
                for (int c2 = c1 + 1; c2 < GridSide; ++c2) {
                    if (c1 / BoxSide == c2 / BoxSide)
                        continue;
                    const int a = r1 * 9 + c1, b = r1 * 9 + c2, c = r2 * 9 + c1, d = r2 * 9 + c2;
                    if (grid[a] == grid[d] && grid[b] == grid[c])
                        return {a, b, c, d};
                }
    return {-1, -1, -1, -1};
}

TEST(ExactSolver, FindsTheKnownSolution)
{
    std::vector<Grid> solutions;
    EXPECT_EQ(EnumerateSolutions(*ParseRowText(Puzzle17), 2, solutions), 1);
    ASSERT_EQ(solutions.size(), 1u);
    EXPECT_EQ(RowText(solutions[0]), Solution17);
}

TEST(ExactSolver, CountsLikeTheReferenceSolver)
{
    GeneratorRandom random(11);
    Grid full{};
    ASSERT_TRUE(CompleteRandomly(full, random));
    const auto rectangle = FindSwappableRectangle(full);
    ASSERT_GE(rectangle[0], 0) << "the seed's grid has no swappable rectangle";
    Grid twoWays = full;
    for (int cell : rectangle)
        twoWays[cell] = 0;
    Grid rowBlank = full;
    for (int column = 0; column < GridSide; ++column)
        rowBlank[4 * 9 + column] = 0;
    Grid conflict = full;
    conflict[0] = 0;
    conflict[1] = full[2]; // the same digit twice in row 1
    Grid deadEnd{};          // row 1 holds 1..8 and column 9 a 9 below: r1c9 has no digit
    for (int column = 0; column < 8; ++column)
        deadEnd[column] = static_cast<std::uint8_t>(column + 1);
    deadEnd[5 * 9 + 8] = 9;

    struct Case {
        const char* name;
        Grid puzzle;
        int limit;
        int expected;
        bool reference = true; // the plain solver takes seconds on 17 givens
    };
    const Case cases[] = {
        {"17 givens", *ParseRowText(Puzzle17), 5, 1, false},
        {"full grid", full, 5, 1},
        {"row blanked", rowBlank, 5, 1},
        {"rectangle blanked", twoWays, 5, 2},
        {"rectangle, limit 1", twoWays, 1, 1},
        {"empty grid, limit 7", Grid{}, 7, 7},
        {"conflicting givens", conflict, 5, 0},
        {"dead end", deadEnd, 5, 0},
        {"limit 0", full, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountSolutions(c.puzzle, c.limit), c.expected) << c.name;
        EXPECT_EQ(LegacyCountSolutions(c.puzzle, c.limit), c.expected) << c.name;
        if (c.reference) {
            EXPECT_EQ(ReferenceCountSolutions(c.puzzle, c.limit), c.expected) << c.name;
        }
    }
}

// The bitboard solver against the legacy one on puzzles of every kind:
// unique, with many solutions, with none (a wrong digit among the givens).
TEST(ExactSolver, CountsLikeTheLegacySolverOnRandomPuzzles)
{
    GeneratorRandom random(2026);
    for (int round = 0; round < 600; ++round) {
        Grid full{};
        ASSERT_TRUE(CompleteRandomly(full, random));
        Grid puzzle = full;
        const int keep = 17 + static_cast<int>(random.Below(20));
        std::array<int, CellCount> cells;
        for (int i = 0; i < CellCount; ++i)
            cells[i] = i;
        random.Shuffle(cells);
        for (int i = keep; i < CellCount; ++i)
            puzzle[cells[i]] = 0;
        if (round % 5 == 0)
            puzzle[cells[0]] = static_cast<std::uint8_t>(full[cells[0]] % 9 + 1);
        const int limit = 1 + static_cast<int>(random.Below(4));
        std::vector<Grid> solutions;
        const int count = EnumerateSolutions(puzzle, limit, solutions);
        ASSERT_EQ(count, LegacyCountSolutions(puzzle, limit)) << RowText(puzzle);
        ASSERT_EQ(static_cast<int>(solutions.size()), count);
        for (const Grid& solution : solutions) {
            ASSERT_TRUE(IsCompleteValidGrid(solution));
            for (int cell = 0; cell < CellCount; ++cell)
                if (puzzle[cell] != 0) {
                    ASSERT_EQ(solution[cell], puzzle[cell]);
                }
        }
    }
}

// One puzzle that the bands' singles and box-line interactions solve alone
// (a Normal line with pointing and claiming), and one of the hard set that
// takes the search many branches; each must end on its known solution.
TEST(ExactSolver, ReachesTheKnownSolutionByPropagationOrSearch)
{
    struct Case {
        const char* name;
        const char* line; // the bank's format: givens as digits, the solution's other digits as A..I
        bool guesses;
    };
    const Case cases[] = {
        {"singles and box-line alone",
         "H41CBIFEGBCG6DEA895IFAHGCD2C1IG54BFHFHEB3AI7DG2DHIFEA3DE29AHGC69GHEFC4BAAFCD7BHIE", false},
        {"hard, needs search",
         "ACIB58DG6BH7D6C19EDF517IHCBF28EIGCADGEC81DBFI9ADFCB7EHHI1GBFE4C5DF38AIBGC7BIDE6H1", true},
    };
    for (const Case& c : cases) {
        const auto parsed = ParsePuzzleText(c.line);
        ASSERT_TRUE(parsed) << c.name;
        std::vector<Grid> solutions;
        EXPECT_EQ(EnumerateSolutions(parsed->givens, 2, solutions), 1) << c.name;
        ASSERT_EQ(solutions.size(), 1u) << c.name;
        EXPECT_EQ(solutions[0], parsed->solution) << c.name;
        long guesses = 0;
        EXPECT_EQ(CountSolutionsAndGuesses(parsed->givens, 2, guesses), 1) << c.name;
        EXPECT_EQ(guesses > 0, c.guesses) << c.name << ": " << guesses << " guesses";
    }
}

// The hard puzzle above, spoilt two ways: one given changed to a digit that
// clashes with no other given (no solution, which only the search finds
// out), and one given removed (many solutions: each limit is kept, and the
// whole count matches the legacy solver's).
TEST(ExactSolver, CountsSpoiltHardPuzzlesToTheLimit)
{
    const Grid hard = *ParseRowText(".....9.5....2....7.758..1....1.8..3.567.1..8.8.........1...7..6.9....4..6.......1");
    const Grid wrongGiven = *ParseRowText(".....3.5....2....7.758..1....1.8..3.567.1..8.8.........1...7..6.9....4..6.......1");
    Grid givenRemoved = hard;
    givenRemoved[5] = 0;
    struct Case {
        const char* name;
        Grid puzzle;
        int limit;
        int expected;
    };
    const int all = LegacyCountSolutions(givenRemoved, 100000);
    ASSERT_GT(all, 2);
    const Case cases[] = {
        {"wrong given", wrongGiven, 2, 0},
        {"given removed, limit 1", givenRemoved, 1, 1},
        {"given removed, limit 2", givenRemoved, 2, 2},
        {"given removed, all", givenRemoved, 100000, all},
    };
    for (const Case& c : cases) {
        long guesses = 0;
        EXPECT_EQ(CountSolutionsAndGuesses(c.puzzle, c.limit, guesses), c.expected) << c.name;
        EXPECT_GT(guesses, 0) << c.name;
        EXPECT_EQ(LegacyCountSolutions(c.puzzle, c.limit), c.expected) << c.name;
    }
}

// Sparse puzzles where, after propagation, no cell has two candidates, so
// the search also branches on a digit's two places in a row or box: every
// solution must be found once, as the legacy solver counts them.
TEST(ExactSolver, EnumeratesEverySolutionOfSparsePuzzles)
{
    constexpr int Limit = 5000;
    for (const char* rows : {"...67...3..62.1.4.9.........4.....395....32.4..9......41..2...6...1...2.65....3..",
                             "...6.9.........9..97..34.6.24.58.739.6..13..48..7........3....679.......6........"}) {
        const Grid puzzle = *ParseRowText(rows);
        std::vector<Grid> solutions;
        const int count = EnumerateSolutions(puzzle, Limit, solutions);
        EXPECT_LT(count, Limit) << rows;
        EXPECT_EQ(count, LegacyCountSolutions(puzzle, Limit)) << rows;
        EXPECT_EQ(std::set<Grid>(solutions.begin(), solutions.end()).size(), solutions.size()) << rows;
        for (const Grid& solution : solutions) {
            ASSERT_TRUE(IsCompleteValidGrid(solution)) << rows;
            for (int cell = 0; cell < CellCount; ++cell)
                if (puzzle[cell] != 0) {
                    ASSERT_EQ(solution[cell], puzzle[cell]) << rows;
                }
        }
    }
}

TEST(ExactSolver, EnumeratesDistinctValidSolutionsThatKeepTheGivens)
{
    Grid puzzle{};
    puzzle[0] = 5;
    puzzle[40] = 3;
    std::vector<Grid> solutions;
    EXPECT_EQ(EnumerateSolutions(puzzle, 20, solutions), 20);
    EXPECT_EQ(std::set<Grid>(solutions.begin(), solutions.end()).size(), 20u);
    for (const Grid& solution : solutions) {
        EXPECT_TRUE(IsCompleteValidGrid(solution));
        EXPECT_EQ(solution[0], 5);
        EXPECT_EQ(solution[40], 3);
    }
}

TEST(ExactSolver, RandomCompletionFollowsTheSeed)
{
    GeneratorRandom first(5), again(5), other(6);
    Grid a{}, b{}, c{};
    ASSERT_TRUE(CompleteRandomly(a, first));
    ASSERT_TRUE(CompleteRandomly(b, again));
    ASSERT_TRUE(CompleteRandomly(c, other));
    EXPECT_TRUE(IsCompleteValidGrid(a));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);

    Grid impossible{};
    impossible[0] = impossible[1] = 4;
    EXPECT_FALSE(CompleteRandomly(impossible, first));
}

} // namespace
} // namespace orvane::bank
