#include "core/hints/Hint.h"

#include "HintFixtures.h"
#include "core/grader/Grid.h"
#include "core/hints/HintText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace orvane {
namespace {

using test::EasterMonster;
using test::GameOf;
using test::HintGame;
using test::Marks;
using test::SinglesOnly;

// The grader's index of a cell by row and column from 1.
int G(int row, int column) { return GraderCell(HintGame::Index(row, column)); }

// A wrong digit comes before any reasoning: the hint points at it and its
// carrying out empties the cell, marks and all as they were.
TEST(Hint, AWrongDigitIsPointedAtFirstAndTakenOut)
{
    HintGame game = GameOf(SinglesOnly);
    game.Mark(2, 2, Marks({4, 7}));
    const int wrong = game.SolutionAt(2, 2) % 9 + 1;
    game.Enter(2, 2, wrong);
    game.Enter(1, 6, game.SolutionAt(1, 6)); // a right digit stays

    const std::optional<Hint> hint = FindHint(game.grid, game.solution);
    ASSERT_TRUE(hint);
    ASSERT_EQ(hint->kind, HintKind::WrongDigit);
    EXPECT_EQ(hint->wrongCells, std::vector<int>{HintGame::Index(2, 2)});
    EXPECT_EQ(HintPresses(*hint), 2);
    EXPECT_EQ(HintText(*hint, 1), "The " + std::to_string(wrong) + " in r2c2 is wrong.");
    const auto looks = HintLooks(*hint, 1);
    for (int index = 0; index < CellCount; ++index)
        EXPECT_EQ(looks[std::size_t(index)].involved, index == HintGame::Index(2, 2)) << index;

    const PlayGrid after = CarryOutHint(game.grid, *hint, AutoClean::On);
    const CellState& cell = after.cells[std::size_t(HintGame::Index(2, 2))];
    EXPECT_EQ(cell.Digit(), 0);
    EXPECT_EQ(cell.marks, Marks({4, 7}));
    EXPECT_EQ(after.cells[std::size_t(HintGame::Index(1, 6))].Digit(), game.SolutionAt(1, 6));
    EXPECT_EQ(HintText(*hint, 2), "Done: the " + std::to_string(wrong) + " in r2c2 is taken out.");

    // Several wrong digits are named together.
    game.Enter(9, 9, game.SolutionAt(9, 9) % 9 + 1);
    const std::optional<Hint> two = FindHint(game.grid, game.solution);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->wrongCells.size(), 2u);
    EXPECT_EQ(HintText(*two, 1).substr(0, 23), "2 digits are wrong: the");
}

// Marks that hold the cell's solution narrow its candidates, and so the
// hint may go on from them; marks without it are a slip, and the hint
// reasons from the digits there.
TEST(Hint, UsesThePlayersMarksWhereTheyHoldTheSolution)
{
    HintGame game = GameOf(EasterMonster);
    const std::optional<Hint> plain = FindHint(game.grid, game.solution);
    ASSERT_TRUE(plain);
    ASSERT_EQ(plain->kind, HintKind::Step);
    EXPECT_GE(grader::TierOf(plain->step.technique), grader::ChainsTier);

    const int solution = game.SolutionAt(2, 1);
    game.Mark(2, 1, Marks({solution}));
    const std::optional<Hint> marked = FindHint(game.grid, game.solution);
    ASSERT_TRUE(marked);
    ASSERT_EQ(marked->kind, HintKind::Step);
    EXPECT_EQ(marked->step.technique, grader::Technique::NakedSingle);
    EXPECT_EQ(marked->step.placements, (std::vector<grader::CellDigit>{{G(2, 1), solution}}));

    game.Mark(2, 1, Marks({solution % 9 + 1}));
    const grader::CandidateBoard board = HintBoard(game.grid, game.solution);
    EXPECT_TRUE(board.HasCandidate(GraderCell(HintGame::Index(2, 1)), solution)) << "a slip is no narrowing";
    const std::optional<Hint> slipped = FindHint(game.grid, game.solution);
    ASSERT_TRUE(slipped);
    EXPECT_EQ(slipped->step.technique, plain->step.technique);
}

// The third press is a step of play: a placement entered with auto-clean as
// set, eliminations taken off the marks, and a cell without marks given the
// candidates the hint reasoned with first.
TEST(Hint, CarryingOutPlacesTheDigitOrTakesTheMarksOff)
{
    HintGame game = GameOf(SinglesOnly);
    game.Mark(1, 9, Marks({1, 4, 8}));
    const std::optional<Hint> single = FindHint(game.grid, game.solution);
    ASSERT_TRUE(single);
    ASSERT_EQ(single->kind, HintKind::Step);
    ASSERT_EQ(single->step.placements, (std::vector<grader::CellDigit>{{G(1, 6), 1}}));
    const PlayGrid placed = CarryOutHint(game.grid, *single, AutoClean::On);
    EXPECT_EQ(placed.cells[std::size_t(HintGame::Index(1, 6))].Digit(), 1);
    EXPECT_EQ(placed.cells[std::size_t(HintGame::Index(1, 9))].marks, Marks({4, 8})) << "auto-clean";
    EXPECT_EQ(CarryOutHint(game.grid, *single, AutoClean::Off).cells[std::size_t(HintGame::Index(1, 9))].marks,
              Marks({1, 4, 8}));

    // An elimination step by hand: 5 out of r3c1, which shows marks, and of
    // r3c2, which shows none.
    Hint pointing;
    pointing.kind = HintKind::Step;
    pointing.step.technique = grader::Technique::LockedPointing;
    pointing.step.eliminations = {{G(3, 1), 5}, {G(3, 2), 5}};
    pointing.candidates[std::size_t(HintGame::Index(3, 2))] = Marks({2, 5, 7});
    pointing.marksUsed[std::size_t(HintGame::Index(3, 1))] = true;
    game.Mark(3, 1, Marks({5, 9}));
    const PlayGrid cleaned = CarryOutHint(game.grid, pointing, AutoClean::On);
    EXPECT_EQ(cleaned.cells[std::size_t(HintGame::Index(3, 1))].marks, Marks({9}));
    EXPECT_EQ(cleaned.cells[std::size_t(HintGame::Index(3, 2))].marks, Marks({2, 7}));

    // Marks the hint passed over as a slip (they lack the solution) give way
    // to the candidates it reasoned with, or the same step would come again.
    game.Mark(3, 2, Marks({1, 3}));
    EXPECT_EQ(CarryOutHint(game.grid, pointing, AutoClean::On).cells[std::size_t(HintGame::Index(3, 2))].marks,
              Marks({2, 7}));
}

TEST(Hint, TheBoardShowsTheRegionFirstThenTheCellsAndCandidates)
{
    const HintGame game = GameOf(SinglesOnly);
    const std::optional<Hint> hint = FindHint(game.grid, game.solution);
    ASSERT_TRUE(hint);
    const int target = HintGame::Index(1, 6);
    const auto first = HintLooks(*hint, 1);
    const auto second = HintLooks(*hint, 2);
    for (int index = 0; index < CellCount; ++index) {
        const bool inRow = PlaceOf(index).y == 1;
        EXPECT_EQ(first[std::size_t(index)], (HintCellLook{inRow, false, 0, 0, 0})) << index;
        if (index != target) {
            EXPECT_EQ(second[std::size_t(index)], (HintCellLook{inRow, false, 0, 0, 0})) << index;
        }
    }
    EXPECT_EQ(second[std::size_t(target)], (HintCellLook{true, true, Marks({1}), 0, 1}));
    for (const HintCellLook& look : HintLooks(*hint, 3))
        EXPECT_EQ(look, HintCellLook{});
}

TEST(Hint, ASolvedBoardSaysSo)
{
    HintGame game = GameOf(SinglesOnly);
    for (int index = 0; index < CellCount; ++index)
        game.grid.cells[std::size_t(index)].shown = true;
    const std::optional<Hint> hint = FindHint(game.grid, game.solution);
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->kind, HintKind::Solved);
    EXPECT_EQ(HintPresses(*hint), 1);
    EXPECT_EQ(HintText(*hint, 1), "The puzzle is solved.");
}

// Hint after hint, each carried out, solves the bank's puzzles without ever
// meeting a wrong digit or a board the hints cannot move: with no marks, and
// with every candidate marked from the start.
TEST(Hint, HintsInTurnSolveBankPuzzles)
{
    for (const char* list : {"tk0", "tk2", "tk4"}) {
        std::ifstream file(std::string(ORVANE_SOURCE_DIR) + "/assets/bank/" + list + ".txt");
        std::string line;
        ASSERT_TRUE(std::getline(file, line)) << list;
        const auto parsed = grader::ParsePuzzleText(line);
        ASSERT_TRUE(parsed) << list;
        for (const bool marked : {false, true}) {
            HintGame game = GameOf(grader::RowText(parsed->givens));
            if (marked)
                FillCandidates(game.grid);
            int presses = 0;
            for (;;) {
                const std::optional<Hint> hint = FindHint(game.grid, game.solution);
                ASSERT_TRUE(hint);
                ASSERT_NE(hint->kind, HintKind::WrongDigit) << list << " after " << presses;
                ASSERT_NE(hint->kind, HintKind::NoStep) << list << " after " << presses;
                if (hint->kind == HintKind::Solved)
                    break;
                const PlayGrid before = game.grid;
                game.grid = CarryOutHint(game.grid, *hint, AutoClean::On);
                ASSERT_NE(game.grid, before) << list << ": " << HintText(*hint, 2);
                ASSERT_LT(++presses, 400) << list;
            }
        }
    }
}

} // namespace
} // namespace orvane
