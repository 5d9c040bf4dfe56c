#include "Generator.h"

#include "BankBuilder.h"
#include "Grader.h"

#include <gtest/gtest.h>

namespace orvane::bank {
namespace {

bool IsMinimal(const Grid& puzzle)
{
    for (int cell = 0; cell < CellCount; ++cell) {
        if (puzzle[cell] == 0)
            continue;
        Grid fewer = puzzle;
        fewer[cell] = 0;
        if (IsUnique(fewer))
            return false;
    }
    return true;
}

bool KeepsSolution(const Grid& puzzle, const Grid& solution)
{
    for (int cell = 0; cell < CellCount; ++cell)
        if (puzzle[cell] != 0 && puzzle[cell] != solution[cell])
            return false;
    return true;
}

TEST(Generator, MinimalPuzzleIsUniqueMinimalAndFollowsTheSeed)
{
    GeneratorRandom random(3), again(3);
    const Grid solution = RandomFullGrid(random);
    const Grid puzzle = MinimalPuzzle(solution, random);
    EXPECT_TRUE(IsUnique(puzzle));
    EXPECT_TRUE(IsMinimal(puzzle));
    EXPECT_TRUE(KeepsSolution(puzzle, solution));

    const Grid sameSolution = RandomFullGrid(again);
    EXPECT_EQ(sameSolution, solution);
    EXPECT_EQ(MinimalPuzzle(sameSolution, again), puzzle);
}

TEST(Generator, ExchangeMovesKeepTheSolutionUnique)
{
    GeneratorRandom random(4);
    const Grid solution = RandomFullGrid(random);
    Grid puzzle = MinimalPuzzle(solution, random);
    int moves = 0;
    for (int attempt = 0; attempt < 200; ++attempt) {
        for (int removed : {1, 2}) {
            const int before = GivenCount(puzzle);
            Grid next = puzzle;
            if (!ExchangeMove(next, solution, removed, random)) {
                EXPECT_EQ(next, puzzle);
                continue;
            }
            ++moves;
            ASSERT_TRUE(IsUnique(next));
            ASSERT_TRUE(KeepsSolution(next, solution));
            EXPECT_TRUE(IsMinimal(next));
            EXPECT_LE(GivenCount(next), before - (removed - 1));
            puzzle = next;
        }
    }
    EXPECT_GT(moves, 0);
}

TEST(Generator, SinglesPuzzleHasItsGivensAndNeedsOnlySingles)
{
    GeneratorRandom random(5);
    for (int target : {41, 44, 51}) {
        const Grid solution = RandomFullGrid(random);
        const Grid puzzle = SinglesPuzzle(solution, target, random);
        EXPECT_EQ(GivenCount(puzzle), target);
        EXPECT_TRUE(KeepsSolution(puzzle, solution));
        EXPECT_EQ(GradePuzzle(puzzle, solution).tier, SinglesTier);
    }
}

// The generator's threads each write their own results from their own random
// streams, so the number of threads changes nothing.
TEST(Generator, ThreadsDoNotChangeWhatIsMade)
{
    const auto one = BuildHardSet(77, 300, 20, 1);
    const auto two = BuildHardSet(77, 300, 20, 2);
    EXPECT_EQ(one.size(), 20u);
    EXPECT_EQ(one, two);
    EXPECT_NE(one, BuildHardSet(78, 300, 20, 2));
    for (const std::string& line : one) {
        const auto parsed = ParsePuzzleText(line);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(CountSolutions(parsed->givens, 2), 1);
    }
}

} // namespace
} // namespace orvane::bank
