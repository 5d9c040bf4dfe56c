#include "core/grader/NextStep.h"

#include "core/grader/BitSolver.h"

#include "CandidateFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace orvane::grader {
namespace {

using namespace fixtures;

std::set<CellDigit> Of(std::initializer_list<int> cells, std::initializer_list<int> digits)
{
    std::set<CellDigit> result;
    for (int cell : cells)
        for (int digit : digits)
            result.insert({cell, digit});
    return result;
}

std::set<CellDigit> AsSet(const std::vector<CellDigit>& items) { return {items.begin(), items.end()}; }
std::set<int> AsSet(const std::vector<int>& items) { return {items.begin(), items.end()}; }

// One position and the step expected on it: the technique, the units it
// names, the cells of its pattern and what it changes.
struct StepCase {
    const char* name;
    std::function<CandidateBoard()> board;
    Technique technique;
    std::set<int> units;
    std::set<int> cells;
    std::set<CellDigit> placements;
    std::set<CellDigit> eliminations;
};

CandidateBoard Fixture(const std::function<void(Candidates&)>& setUp)
{
    Candidates candidates;
    candidates.fill(AllDigits);
    setUp(candidates);
    return CandidateBoard::FromCandidates(candidates);
}

CandidateBoard FromRows(const char* rows) { return CandidateBoard::FromPuzzle(*ParseRowText(rows)); }

std::vector<StepCase> StepCases()
{
    return {
        {"the first hidden single of the scan: rows come first",
         [] { return FromRows("..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3.."); },
         Technique::HiddenSingle, {RowUnit(0)}, {Cell(1, 6)}, {{Cell(1, 6), 1}}, {}},
        {"a naked single names its box",
         [] { return Fixture([](Candidates& b) { b[Cell(5, 5)] = Digits({8}); }); }, Technique::NakedSingle,
         {BoxUnit(4)}, {Cell(5, 5)}, {{Cell(5, 5), 8}}, {}},
        {"pointing: the 3 of box 1 only in row 1",
         [] { return Fixture([](Candidates& b) { KeepOnly(b, BoxUnit(0), 3, {Cell(1, 1), Cell(1, 2)}); }); },
         Technique::LockedPointing, {BoxUnit(0)}, {Cell(1, 1), Cell(1, 2)}, {},
         Of({Cell(1, 4), Cell(1, 5), Cell(1, 6), Cell(1, 7), Cell(1, 8), Cell(1, 9)}, {3})},
        {"naked pair {1,2} in row 1",
         [] { return Fixture([](Candidates& b) { b[Cell(1, 1)] = b[Cell(1, 5)] = Digits({1, 2}); }); },
         Technique::NakedPair, {RowUnit(0)}, {Cell(1, 1), Cell(1, 5)}, {},
         Of({Cell(1, 2), Cell(1, 3), Cell(1, 4), Cell(1, 6), Cell(1, 7), Cell(1, 8), Cell(1, 9)}, {1, 2})},
        {"X-Wing on 5 in rows 2 and 7",
         [] {
             return Fixture([](Candidates& b) {
                 KeepOnly(b, RowUnit(1), 5, {Cell(2, 3), Cell(2, 8)});
                 KeepOnly(b, RowUnit(6), 5, {Cell(7, 3), Cell(7, 8)});
             });
         },
         Technique::XWing, {RowUnit(1), RowUnit(6)}, {Cell(2, 3), Cell(2, 8), Cell(7, 3), Cell(7, 8)}, {},
         [] {
             std::set<CellDigit> result;
             for (int row : {1, 3, 4, 5, 6, 8, 9})
                 for (int column : {3, 8})
                     result.insert({Cell(row, column), 5});
             return result;
         }()},
        {"XY-Wing: a pattern in no unit of its own names the boxes of its cells",
         [] {
             return Fixture([](Candidates& b) {
                 b[Cell(1, 1)] = Digits({1, 2});
                 b[Cell(1, 5)] = Digits({1, 3});
                 b[Cell(5, 1)] = Digits({2, 3});
             });
         },
         Technique::XYWing, {BoxUnit(0), BoxUnit(1), BoxUnit(3)}, {Cell(1, 1), Cell(1, 5), Cell(5, 1)}, {},
         Of({Cell(5, 5)}, {3})},
        {"W-Wing: r1c1 and r5c9 {4,7} joined by the 4 of box 3",
         [] {
             return Fixture([](Candidates& b) {
                 b[Cell(1, 1)] = b[Cell(5, 9)] = Digits({4, 7});
                 KeepOnly(b, BoxUnit(2), 4, {Cell(1, 8), Cell(3, 9)});
             });
         },
         Technique::WWing, {BoxUnit(0), BoxUnit(2), BoxUnit(5)}, {Cell(1, 1), Cell(5, 9), Cell(1, 8), Cell(3, 9)},
         {}, Of({Cell(1, 9), Cell(5, 1)}, {7})},
    };
}

TEST(NextStep, NamesTheTechniqueItsRegionCellsAndWhatItChanges)
{
    for (const StepCase& c : StepCases()) {
        const CandidateBoard board = c.board();
        const std::optional<Step> step = NextStep(board);
        ASSERT_TRUE(step) << c.name;
        EXPECT_EQ(step->technique, c.technique) << c.name << ": " << TechniqueName(step->technique);
        EXPECT_EQ(AsSet(step->pattern.units), c.units) << c.name;
        EXPECT_EQ(AsSet(step->pattern.cells), c.cells) << c.name;
        EXPECT_EQ(AsSet(step->placements), c.placements) << c.name;
        EXPECT_EQ(AsSet(step->eliminations), c.eliminations) << c.name;
        EXPECT_GE(step->rating, BaseRating(c.technique)) << c.name;
        // Every candidate the pattern names lies in its cells and is there.
        for (const CellDigit& candidate : step->pattern.candidates) {
            EXPECT_TRUE(c.cells.count(candidate.cell)) << c.name;
            EXPECT_TRUE(board.HasCandidate(candidate.cell, candidate.digit)) << c.name;
        }
    }
}

// A chain's pattern is the chain: on the skyscraper of 6 (columns 2 and 8
// joined in row 2) the X-chain's cells are the four ends and links.
TEST(NextStep, AChainShowsItsCells)
{
    const CandidateBoard board = Fixture([](Candidates& b) {
        KeepOnly(b, ColumnUnit(1), 6, {Cell(2, 2), Cell(4, 2)});
        KeepOnly(b, ColumnUnit(7), 6, {Cell(2, 8), Cell(6, 8)});
    });
    const std::optional<Step> step = NextStep(board);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->technique, Technique::XChain);
    ASSERT_EQ(step->eliminations.size(), 1u);
    const CellDigit removed = step->eliminations.front();
    EXPECT_EQ(removed.digit, 6);
    EXPECT_EQ(AsSet(step->pattern.cells), (std::set<int>{Cell(2, 2), Cell(4, 2), Cell(2, 8), Cell(6, 8)}));
    // The removed candidate sees both ends of the chain.
    EXPECT_TRUE(Sees(removed.cell, Cell(4, 2)) && Sees(removed.cell, Cell(6, 8)));
}

// An instance that disagrees with the solution given is passed over. The
// uniqueness techniques assume one solution, which a board from elsewhere
// need not have; here a naked pair disagrees with a made-up solution.
TEST(NextStep, PassesOverAnInstanceThatDisagreesWithTheSolution)
{
    Candidates candidates;
    candidates.fill(AllDigits);
    candidates[Cell(1, 1)] = candidates[Cell(1, 5)] = Digits({1, 2});
    const CandidateBoard board = CandidateBoard::FromCandidates(candidates);
    const std::optional<Step> free = NextStep(board);
    ASSERT_TRUE(free);
    ASSERT_EQ(free->technique, Technique::NakedPair);

    Grid solution{};
    solution[Cell(1, 2)] = 1; // a digit the pair would take out
    const std::optional<Step> checked = NextStep(board, &solution);
    if (!checked)
        return;
    for (const CellDigit& removed : checked->eliminations)
        EXPECT_NE(solution[removed.cell], removed.digit) << TechniqueName(checked->technique);
    for (const CellDigit& placed : checked->placements)
        EXPECT_EQ(solution[placed.cell], placed.digit) << TechniqueName(checked->technique);
}

TEST(NextStep, NothingOnASolvedBoardOrWhenAskedToStop)
{
    const Grid solution = *ParseRowText("123456789456789123789123456214365897365897214897214365531642978642978531978531642");
    EXPECT_FALSE(NextStep(CandidateBoard::FromPuzzle(solution)));

    const std::atomic<bool> stop{true};
    EXPECT_FALSE(NextStep(FromRows("..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3.."),
                          nullptr, &stop));
}

// The step carried out and the next one looked for, again and again, solve
// the puzzle along the same path as the grader, deduction by deduction.
TEST(NextStep, StepsInTurnSolveThePuzzle)
{
    const char* const puzzles[] = {
        "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..",
        "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1",
    };
    for (const char* rows : puzzles) {
        CandidateBoard board = FromRows(rows);
        std::vector<Grid> unused;
        int steps = 0;
        while (const std::optional<Step> step = NextStep(board)) {
            ASSERT_FALSE(step->placements.empty() && step->eliminations.empty());
            ApplyStep(*step, board);
            ASSERT_FALSE(board.IsBroken()) << rows;
            ++steps;
        }
        EXPECT_TRUE(board.IsSolved()) << rows << " after " << steps << " steps";
    }
}

// A puzzle that falls to a Unique Loop of type 3 and then to BUG+1: the
// steps name them, the loop shows its cells and the subset's, and what they
// change agrees with the puzzle's one solution.
TEST(NextStep, UniquenessStepsNameTheirPattern)
{
    const Grid puzzle = *ParseRowText(".71.....2...48....9..2......63....9.....3.78......9......81..65.........8...9..41");
    std::vector<Grid> solutions;
    ASSERT_EQ(EnumerateSolutions(puzzle, 2, solutions), 1);
    const Grid& solution = solutions.front();
    CandidateBoard board = CandidateBoard::FromPuzzle(puzzle);
    std::vector<Technique> uniqueness;
    while (const std::optional<Step> step = NextStep(board)) {
        for (const CellDigit& removed : step->eliminations)
            EXPECT_NE(solution[removed.cell], removed.digit) << TechniqueName(step->technique);
        for (const CellDigit& placed : step->placements)
            EXPECT_EQ(solution[placed.cell], placed.digit) << TechniqueName(step->technique);
        if (IsUniquenessTechnique(step->technique)) {
            uniqueness.push_back(step->technique);
            EXPECT_FALSE(step->pattern.units.empty());
        }
        if (step->technique == Technique::UniqueLoop3) {
            // Six loop cells at least, and one cell of the subset.
            EXPECT_GE(step->pattern.cells.size(), 7u);
            EXPECT_EQ(TechniqueName(step->technique), "Unique Loop type 3");
        }
        ApplyStep(*step, board);
    }
    EXPECT_TRUE(board.IsSolved());
    EXPECT_EQ(uniqueness, (std::vector<Technique>{Technique::UniqueLoop3, Technique::BugPlusOne}));
}

} // namespace
} // namespace orvane::grader
