#include "Generator.h"
#include "Grader.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::bank {
namespace {

// A well-known puzzle that no chain of single candidates cracks; nested
// forcing nets do.
constexpr const char* EasterMonster =
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";
// Solved by hidden and naked singles alone.
constexpr const char* SinglesOnly =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";

Grid SolutionOf(const Grid& puzzle)
{
    std::vector<Grid> solutions;
    EXPECT_EQ(EnumerateSolutions(puzzle, 2, solutions), 1);
    return solutions.front();
}

TEST(LogicalGrader, GradesKnownPuzzles)
{
    const Grid easy = *ParseRowText(SinglesOnly);
    const GradeResult easyGrade = GradePuzzle(easy, SolutionOf(easy));
    EXPECT_EQ(easyGrade.tier, SinglesTier);
    EXPECT_TRUE(easyGrade.solved);
    EXPECT_FALSE(easyGrade.faulty);

    const Grid monster = *ParseRowText(EasterMonster);
    const GradeResult monsterGrade = GradePuzzle(monster, SolutionOf(monster));
    EXPECT_EQ(monsterGrade.tier, BeyondTier);
    EXPECT_TRUE(monsterGrade.solved);
    EXPECT_FALSE(monsterGrade.faulty);
    EXPECT_GE(monsterGrade.rating, BaseRating(Technique::NestedForcingNet));
    EXPECT_EQ(monsterGrade.hardest, Technique::NestedForcingNet);
    EXPECT_GT(monsterGrade.ratingSum, monsterGrade.rating);
    EXPECT_LE(easyGrade.rating, BaseRating(Technique::NakedSingle));
}

TEST(LogicalGrader, AHighestTierStopsTheSolverThere)
{
    const Grid monster = *ParseRowText(EasterMonster);
    CandidateBoard board = CandidateBoard::FromPuzzle(monster);
    const GradeResult result = SolveLogically(board, SubsetsTier);
    EXPECT_FALSE(result.solved);
    for (int t = 0; t < TechniqueCount; ++t)
        if (TierOf(static_cast<Technique>(t)) > SubsetsTier) {
            EXPECT_EQ(result.uses[t], 0) << TechniqueName(static_cast<Technique>(t));
        }
}

TEST(LogicalGrader, ACheckedDeductionAgainstAWrongSolutionIsReported)
{
    const Grid easy = *ParseRowText(SinglesOnly);
    Grid wrong = SolutionOf(easy);
    // Exchange two digits of an open cell pair so the "solution" disagrees.
    for (int cell = 0; cell < CellCount; ++cell)
        if (easy[cell] == 0) {
            wrong[cell] = static_cast<std::uint8_t>(wrong[cell] % DigitCount + 1);
            break;
        }
    EXPECT_TRUE(GradePuzzle(easy, wrong).faulty);
}

// Every deduction on a few hundred random minimal puzzles (more, until one
// needs forcing) is checked against the unique solution; the sample reaches
// every tier, so every tier's techniques are exercised on real boards.
TEST(LogicalGrader, EveryDeductionAgreesWithTheUniqueSolution)
{
    GeneratorRandom random(2024);
    std::set<int> tiersSeen;
    for (int i = 0; i < 300 || (i < 4000 && tiersSeen.size() < TierCount); ++i) {
        const Grid solution = RandomFullGrid(random);
        const Grid puzzle = MinimalPuzzle(solution, random);
        CandidateBoard board = CandidateBoard::FromPuzzle(puzzle);
        board.AttachSolution(solution);
        const GradeResult result = SolveLogically(board);
        ASSERT_FALSE(result.faulty) << RowText(puzzle);
        if (result.solved) {
            EXPECT_EQ(board.Values(), solution) << RowText(puzzle);
        }
        tiersSeen.insert(result.tier);
    }
    EXPECT_EQ(tiersSeen, (std::set<int>{1, 2, 3, 4, 5}));
}

} // namespace
} // namespace orvane::bank
