#include "core/grader/Techniques.h"

#include "CandidateFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>

namespace orvane::grader {
namespace {

using namespace fixtures;

using Elimination = std::tuple<int, int>; // cell, digit

// Every elimination of `digits` in `cells`.
std::set<Elimination> EliminationsOf(std::initializer_list<int> cells, std::initializer_list<int> digits)
{
    std::set<Elimination> result;
    for (int cell : cells)
        for (int digit : digits)
            result.insert({cell, digit});
    return result;
}

std::set<Elimination> RowExcept(int row, std::initializer_list<int> columns, std::initializer_list<int> digits)
{
    std::set<Elimination> result;
    for (int column = 1; column <= GridSide; ++column)
        if (std::find(columns.begin(), columns.end(), column) == columns.end())
            for (int digit : digits)
                result.insert({Cell(row, column), digit});
    return result;
}

std::set<Elimination> AllDigitsBut(std::initializer_list<int> cells, std::initializer_list<int> kept)
{
    std::set<Elimination> result;
    for (int cell : cells)
        for (int digit = 1; digit <= DigitCount; ++digit)
            if (std::find(kept.begin(), kept.end(), digit) == kept.end())
                result.insert({cell, digit});
    return result;
}

// Rows of one column (or columns of one row) for a fish's eliminations.
std::set<Elimination> LinesExcept(std::initializer_list<int> columns, std::initializer_list<int> baseRows, int digit)
{
    std::set<Elimination> result;
    for (int column : columns)
        for (int row = 1; row <= GridSide; ++row)
            if (std::find(baseRows.begin(), baseRows.end(), row) == baseRows.end())
                result.insert({Cell(row, column), digit});
    return result;
}

// The six-cell loop r1c1 - r1c4 - r2c4 - r2c7 - r3c7 - r3c1 on {1,2}; the
// cells of `open` keep every candidate.
void SixLoop(Candidates& b, std::initializer_list<int> open)
{
    for (int cell : {Cell(1, 1), Cell(1, 4), Cell(2, 4), Cell(2, 7), Cell(3, 7), Cell(3, 1)})
        if (std::find(open.begin(), open.end(), cell) == open.end())
            b[cell] = Digits({1, 2});
}

// A Unique Rectangle r1c1 r1c4 r2c1 r2c4 on {1,2} whose roof's further
// digits 3 and 4 form a naked triple with r2c7 {3,5} and r2c8 {4,5}.
void UniqueTriple(Candidates& b)
{
    b[Cell(1, 1)] = b[Cell(1, 4)] = Digits({1, 2});
    b[Cell(2, 1)] = Digits({1, 2, 3});
    b[Cell(2, 4)] = Digits({1, 2, 4});
    b[Cell(2, 7)] = Digits({3, 5});
    b[Cell(2, 8)] = Digits({4, 5});
}

struct TechniqueCase {
    const char* name;
    Technique technique;
    std::function<void(Candidates&)> setUp;
    std::set<Elimination> expected;
};

std::vector<TechniqueCase> EliminationCases()
{
    return {
        {"pointing: 3 of box 1 only in row 1", Technique::LockedPointing,
         [](Candidates& b) { KeepOnly(b, BoxUnit(0), 3, {Cell(1, 1), Cell(1, 2)}); },
         RowExcept(1, {1, 2, 3}, {3})},
        {"claiming: 8 of row 5 only in box 5", Technique::LockedClaiming,
         [](Candidates& b) { KeepOnly(b, RowUnit(4), 8, {Cell(5, 4), Cell(5, 5)}); },
         EliminationsOf({Cell(4, 4), Cell(4, 5), Cell(4, 6), Cell(6, 4), Cell(6, 5), Cell(6, 6)}, {8})},
        {"naked pair in row 1", Technique::NakedPair,
         [](Candidates& b) { b[Cell(1, 1)] = b[Cell(1, 5)] = Digits({1, 2}); },
         RowExcept(1, {1, 5}, {1, 2})},
        {"naked triple {1,2} {2,3} {1,3} in row 1", Technique::NakedTriple,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(1, 5)] = Digits({2, 3});
             b[Cell(1, 9)] = Digits({1, 3});
         },
         RowExcept(1, {1, 5, 9}, {1, 2, 3})},
        {"naked quad in row 1", Technique::NakedQuad,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(1, 4)] = Digits({2, 3});
             b[Cell(1, 7)] = Digits({3, 4});
             b[Cell(1, 9)] = Digits({1, 4});
         },
         RowExcept(1, {1, 4, 7, 9}, {1, 2, 3, 4})},
        {"hidden pair 4 6 in row 1", Technique::HiddenPair,
         [](Candidates& b) {
             KeepOnly(b, RowUnit(0), 4, {Cell(1, 1), Cell(1, 5)});
             KeepOnly(b, RowUnit(0), 6, {Cell(1, 1), Cell(1, 5)});
         },
         AllDigitsBut({Cell(1, 1), Cell(1, 5)}, {4, 6})},
        {"hidden triple 7 8 9 in column 2", Technique::HiddenTriple,
         [](Candidates& b) {
             for (int digit : {7, 8, 9})
                 KeepOnly(b, ColumnUnit(1), digit, {Cell(1, 2), Cell(5, 2), Cell(9, 2)});
         },
         AllDigitsBut({Cell(1, 2), Cell(5, 2), Cell(9, 2)}, {7, 8, 9})},
        {"hidden quad 1 2 3 4 in box 9", Technique::HiddenQuad,
         [](Candidates& b) {
             for (int digit : {1, 2, 3, 4})
                 KeepOnly(b, BoxUnit(8), digit, {Cell(7, 7), Cell(8, 8), Cell(9, 9), Cell(7, 9)});
         },
         AllDigitsBut({Cell(7, 7), Cell(8, 8), Cell(9, 9), Cell(7, 9)}, {1, 2, 3, 4})},
        {"X-Wing on 5, rows 2 and 7, columns 3 and 8", Technique::XWing,
         [](Candidates& b) {
             KeepOnly(b, RowUnit(1), 5, {Cell(2, 3), Cell(2, 8)});
             KeepOnly(b, RowUnit(6), 5, {Cell(7, 3), Cell(7, 8)});
         },
         LinesExcept({3, 8}, {2, 7}, 5)},
        {"Swordfish on 5, rows 1 5 9, columns 1 5 9", Technique::Swordfish,
         [](Candidates& b) {
             KeepOnly(b, RowUnit(0), 5, {Cell(1, 1), Cell(1, 5)});
             KeepOnly(b, RowUnit(4), 5, {Cell(5, 5), Cell(5, 9)});
             KeepOnly(b, RowUnit(8), 5, {Cell(9, 1), Cell(9, 9)});
         },
         LinesExcept({1, 5, 9}, {1, 5, 9}, 5)},
        {"Jellyfish on 2, columns 2 4 6 8 as base", Technique::Jellyfish,
         [](Candidates& b) {
             KeepOnly(b, ColumnUnit(1), 2, {Cell(1, 2), Cell(3, 2)});
             KeepOnly(b, ColumnUnit(3), 2, {Cell(3, 4), Cell(5, 4)});
             KeepOnly(b, ColumnUnit(5), 2, {Cell(5, 6), Cell(7, 6)});
             KeepOnly(b, ColumnUnit(7), 2, {Cell(1, 8), Cell(7, 8)});
         },
         [] {
             std::set<Elimination> result;
             for (int row : {1, 3, 5, 7})
                 for (int column : {1, 3, 5, 7, 9})
                     result.insert({Cell(row, column), 2});
             return result;
         }()},
        {"XY-Wing: pivot r1c1 {1,2}, pincers r1c5 {1,3} and r5c1 {2,3}", Technique::XYWing,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(1, 5)] = Digits({1, 3});
             b[Cell(5, 1)] = Digits({2, 3});
         },
         EliminationsOf({Cell(5, 5)}, {3})},
        {"XYZ-Wing: pivot r1c1 {1,2,3}, pincers r1c5 {1,3} and r2c2 {2,3}", Technique::XYZWing,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2, 3});
             b[Cell(1, 5)] = Digits({1, 3});
             b[Cell(2, 2)] = Digits({2, 3});
         },
         EliminationsOf({Cell(1, 2), Cell(1, 3)}, {3})},
        {"W-Wing: r1c1 and r5c9 {4,7}, 4 of box 3 only in r1c8 and r3c9", Technique::WWing,
         [](Candidates& b) {
             b[Cell(1, 1)] = b[Cell(5, 9)] = Digits({4, 7});
             KeepOnly(b, BoxUnit(2), 4, {Cell(1, 8), Cell(3, 9)});
         },
         EliminationsOf({Cell(1, 9), Cell(5, 1)}, {7})},
        {"X-chain (skyscraper) on 6: columns 2 and 8 joined in row 2", Technique::AlternatingChain,
         [](Candidates& b) {
             KeepOnly(b, ColumnUnit(1), 6, {Cell(2, 2), Cell(4, 2)});
             KeepOnly(b, ColumnUnit(7), 6, {Cell(2, 8), Cell(6, 8)});
         },
         EliminationsOf({Cell(4, 7), Cell(4, 9), Cell(6, 1), Cell(6, 3)}, {6})},
        {"X-chain (skyscraper) on 6, found as an X-chain", Technique::XChain,
         [](Candidates& b) {
             KeepOnly(b, ColumnUnit(1), 6, {Cell(2, 2), Cell(4, 2)});
             KeepOnly(b, ColumnUnit(7), 6, {Cell(2, 8), Cell(6, 8)});
         },
         EliminationsOf({Cell(4, 7), Cell(4, 9), Cell(6, 1), Cell(6, 3)}, {6})},
        {"Unique Rectangle type 1: r1c1 r1c4 r2c1 {1,2}, r2c4 more", Technique::UniqueRectangle1,
         [](Candidates& b) { b[Cell(1, 1)] = b[Cell(1, 4)] = b[Cell(2, 1)] = Digits({1, 2}); },
         EliminationsOf({Cell(2, 4)}, {1, 2})},
        {"Unique Rectangle type 2: floor r1c1 r1c4 {1,2}, roof r2c1 r2c4 {1,2,7}", Technique::UniqueRectangle2,
         [](Candidates& b) {
             b[Cell(1, 1)] = b[Cell(1, 4)] = Digits({1, 2});
             b[Cell(2, 1)] = b[Cell(2, 4)] = Digits({1, 2, 7});
         },
         RowExcept(2, {1, 4}, {7})},
        {"Unique Rectangle type 4: floor r1c1 r1c4 {1,2}, 1 of row 2 only in the roof", Technique::UniqueRectangle4,
         [](Candidates& b) {
             b[Cell(1, 1)] = b[Cell(1, 4)] = Digits({1, 2});
             KeepOnly(b, RowUnit(1), 1, {Cell(2, 1), Cell(2, 4)});
         },
         EliminationsOf({Cell(2, 1), Cell(2, 4)}, {2})},
        {"Unique Rectangle type 3: roof r2c1 {1,2,3} r2c4 {1,2,4} and r2c7 {3,4} a naked pair",
         Technique::UniqueRectangle3,
         [](Candidates& b) {
             b[Cell(1, 1)] = b[Cell(1, 4)] = Digits({1, 2});
             b[Cell(2, 1)] = Digits({1, 2, 3});
             b[Cell(2, 4)] = Digits({1, 2, 4});
             b[Cell(2, 7)] = Digits({3, 4});
         },
         RowExcept(2, {1, 4, 7}, {3, 4})},
        {"Unique Rectangle type 3 with a naked triple: r2c7 {3,5} r2c8 {4,5}", Technique::UniqueRectangle3,
         UniqueTriple, RowExcept(2, {1, 4, 7, 8}, {3, 4, 5})},
        // The loops run r1c1 - r1c4 - r2c4 - r2c7 - r3c7 - r3c1: two cells
        // in each of rows 1-3, columns 1, 4, 7 and boxes 1-3.
        {"Unique Loop type 1: r3c1 is the one cell with more than {1,2}", Technique::UniqueLoop1,
         [](Candidates& b) { SixLoop(b, {Cell(3, 1)}); }, EliminationsOf({Cell(3, 1)}, {1, 2})},
        {"Unique Loop type 2: r1c4 and r3c7 {1,2,3}", Technique::UniqueLoop2,
         [](Candidates& b) {
             SixLoop(b, {Cell(1, 4), Cell(3, 7)});
             b[Cell(1, 4)] = b[Cell(3, 7)] = Digits({1, 2, 3});
         },
         EliminationsOf({Cell(1, 7), Cell(1, 8), Cell(1, 9), Cell(3, 4), Cell(3, 5), Cell(3, 6)}, {3})},
        {"Unique Loop type 3: r3c1 {1,2,4} r3c7 {1,2,3} and r3c5 {3,4} a naked pair", Technique::UniqueLoop3,
         [](Candidates& b) {
             SixLoop(b, {Cell(3, 1), Cell(3, 7)});
             b[Cell(3, 1)] = Digits({1, 2, 4});
             b[Cell(3, 7)] = Digits({1, 2, 3});
             b[Cell(3, 5)] = Digits({3, 4});
         },
         RowExcept(3, {1, 5, 7}, {3, 4})},
        {"Unique Loop type 4: 1 of row 3 only in r3c1 and r3c7", Technique::UniqueLoop4,
         [](Candidates& b) {
             SixLoop(b, {Cell(3, 1), Cell(3, 7)});
             KeepOnly(b, RowUnit(2), 1, {Cell(3, 1), Cell(3, 7)});
         },
         EliminationsOf({Cell(3, 1), Cell(3, 7)}, {2})},
        {"ALS-XZ: r1c1 {1,2} and r1c5 {1,3} + r5c5 {2,3}, x = 1, z = 2", Technique::AlsXz,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(1, 5)] = Digits({1, 3});
             b[Cell(5, 5)] = Digits({2, 3});
         },
         EliminationsOf({Cell(5, 1)}, {2})},
        {"XY-chain {1,2} {2,3} {3,4} {4,1}", Technique::AlternatingChain,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(1, 6)] = Digits({2, 3});
             b[Cell(5, 6)] = Digits({3, 4});
             b[Cell(5, 9)] = Digits({1, 4});
         },
         EliminationsOf({Cell(1, 9), Cell(5, 1)}, {1})},
    };
}

// The case's fixture board, recording what the technique does to it.
CandidateBoard BoardFor(const TechniqueCase& c)
{
    Candidates candidates;
    candidates.fill(AllDigits);
    c.setUp(candidates);
    CandidateBoard board = CandidateBoard::FromCandidates(candidates);
    board.RecordChanges(true);
    return board;
}

std::set<Elimination> Eliminations(const CandidateBoard& board)
{
    std::set<Elimination> result;
    for (const auto& change : board.Changes()) {
        EXPECT_FALSE(change.placed);
        result.insert({change.cell, change.digit});
    }
    return result;
}

TEST(Techniques, EachEliminatesExactlyWhatItsPatternProves)
{
    for (const TechniqueCase& c : EliminationCases()) {
        CandidateBoard board = BoardFor(c);
        EXPECT_TRUE(ApplyTechnique(c.technique, board)) << c.name;
        EXPECT_EQ(Eliminations(board), c.expected) << c.name;
        // The same scan again finds nothing new: the technique reports
        // progress only when the board changed.
        EXPECT_FALSE(ApplyTechnique(c.technique, board)) << c.name;
    }
}

// Near misses: one condition of the pattern fails, so nothing may go.
TEST(Techniques, NearMissesEliminateNothing)
{
    const std::vector<TechniqueCase> cases = {
        {"pointing: 3 of box 1 in two rows", Technique::LockedPointing,
         [](Candidates& b) { KeepOnly(b, BoxUnit(0), 3, {Cell(1, 1), Cell(2, 2)}); }, {}},
        {"naked pair with one cell {1,2,3}", Technique::NakedPair,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(1, 5)] = Digits({1, 2, 3});
         },
         {}},
        {"X-Wing rows not sharing both columns", Technique::XWing,
         [](Candidates& b) {
             KeepOnly(b, RowUnit(1), 5, {Cell(2, 3), Cell(2, 8)});
             KeepOnly(b, RowUnit(6), 5, {Cell(7, 3), Cell(7, 9)});
         },
         {}},
        {"XY-Wing whose pincers do not both see the pivot", Technique::XYWing,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(1, 5)] = Digits({1, 3});
             b[Cell(5, 2)] = Digits({2, 3});
         },
         {}},
        {"W-Wing whose link's second end sees neither cell", Technique::WWing,
         [](Candidates& b) {
             b[Cell(1, 1)] = b[Cell(5, 9)] = Digits({4, 7});
             KeepOnly(b, BoxUnit(2), 4, {Cell(1, 8), Cell(2, 7)});
         },
         {}},
        {"Unique Rectangle over four boxes: r1c1 r1c5 r5c1 {1,2}", Technique::UniqueRectangle1,
         [](Candidates& b) { b[Cell(1, 1)] = b[Cell(1, 5)] = b[Cell(5, 1)] = Digits({1, 2}); }, {}},
        {"Unique Rectangle type 3 whose roof and r2c7 {3,5} hold three digits", Technique::UniqueRectangle3,
         [](Candidates& b) {
             b[Cell(1, 1)] = b[Cell(1, 4)] = Digits({1, 2});
             b[Cell(2, 1)] = Digits({1, 2, 3});
             b[Cell(2, 4)] = Digits({1, 2, 4});
             b[Cell(2, 7)] = Digits({3, 5});
         },
         {}},
        // Rows and columns pair up, but each cell is alone in its box: the
        // two digits cannot swap.
        {"loop of six through six boxes", Technique::UniqueLoop1,
         [](Candidates& b) {
             for (int cell : {Cell(1, 1), Cell(1, 4), Cell(4, 4), Cell(4, 7), Cell(7, 7)})
                 b[cell] = Digits({1, 2});
         },
         {}},
        {"Unique Loop type 2 whose extra cells hold different digits", Technique::UniqueLoop2,
         [](Candidates& b) {
             SixLoop(b, {Cell(1, 4), Cell(3, 7)});
             b[Cell(1, 4)] = Digits({1, 2, 3});
             b[Cell(3, 7)] = Digits({1, 2, 4});
         },
         {}},
        {"Unique Loop type 4 where 1 has a third place in row 3", Technique::UniqueLoop4,
         [](Candidates& b) {
             SixLoop(b, {Cell(3, 1), Cell(3, 7)});
             KeepOnly(b, RowUnit(2), 1, {Cell(3, 1), Cell(3, 7), Cell(3, 9)});
         },
         {}},
        {"chain of two bivalue cells that share no digit", Technique::AlternatingChain,
         [](Candidates& b) {
             b[Cell(1, 1)] = Digits({1, 2});
             b[Cell(5, 9)] = Digits({3, 4});
         },
         {}},
    };
    for (const TechniqueCase& c : cases) {
        CandidateBoard board = BoardFor(c);
        EXPECT_FALSE(ApplyTechnique(c.technique, board)) << c.name;
        EXPECT_TRUE(board.Changes().empty()) << c.name;
    }
}

TEST(Techniques, SinglesPlaceTheirDigit)
{
    Candidates candidates;
    candidates.fill(AllDigits);
    candidates[Cell(3, 3)] = Digits({5});
    CandidateBoard naked = CandidateBoard::FromCandidates(candidates);
    EXPECT_TRUE(ApplyTechnique(Technique::NakedSingle, naked));
    EXPECT_EQ(naked.Value(Cell(3, 3)), 5);
    EXPECT_FALSE(naked.HasCandidate(Cell(3, 9), 5));
    EXPECT_FALSE(naked.HasCandidate(Cell(1, 1), 5));
    EXPECT_TRUE(naked.HasCandidate(Cell(4, 4), 5));

    candidates.fill(AllDigits);
    KeepOnly(candidates, RowUnit(0), 7, {Cell(1, 4)});
    CandidateBoard hidden = CandidateBoard::FromCandidates(candidates);
    hidden.RecordChanges(true);
    EXPECT_TRUE(ApplyTechnique(Technique::HiddenSingle, hidden));
    ASSERT_EQ(hidden.Changes().size(), 1u);
    EXPECT_EQ(hidden.Changes()[0], (CandidateBoard::Change{Cell(1, 4), 7, true}));
}

// A grouped X-chain on 6: r6c2 = r2c2 (column 2) - {r2c7,r2c8} = r3c9 (box 3):
// r6c9 sees both ends. No chain of single cells proves it.
TEST(Techniques, GroupedXChainLinksThroughABoxLineGroup)
{
    Candidates candidates;
    candidates.fill(AllDigits);
    KeepOnly(candidates, ColumnUnit(1), 6, {Cell(2, 2), Cell(6, 2)});
    KeepOnly(candidates, BoxUnit(2), 6, {Cell(2, 7), Cell(2, 8), Cell(3, 9)});
    KeepOnly(candidates, RowUnit(1), 6, {Cell(2, 2), Cell(2, 7), Cell(2, 8)});
    CandidateBoard plain = CandidateBoard::FromCandidates(candidates);
    ApplyTechnique(Technique::XChain, plain);
    EXPECT_TRUE(plain.HasCandidate(Cell(6, 9), 6));
    CandidateBoard grouped = CandidateBoard::FromCandidates(candidates);
    EXPECT_TRUE(ApplyTechnique(Technique::GroupedXChain, grouped));
    EXPECT_FALSE(grouped.HasCandidate(Cell(6, 9), 6));
}

// A uniqueness step rates higher for a larger subset and a longer loop.
TEST(Techniques, UniquenessRatingsGrowWithTheSubsetAndTheLoop)
{
    const std::vector<std::tuple<const char*, Technique, std::function<void(Candidates&)>, int>> cases = {
        {"rectangle type 1", Technique::UniqueRectangle1,
         [](Candidates& b) { b[Cell(1, 1)] = b[Cell(1, 4)] = b[Cell(2, 1)] = Digits({1, 2}); }, 45},
        {"rectangle type 3 with a naked triple", Technique::UniqueRectangle3, UniqueTriple, 48},
        {"loop of six, type 1", Technique::UniqueLoop1, [](Candidates& b) { SixLoop(b, {Cell(3, 1)}); }, 48},
    };
    for (const auto& [name, technique, setUp, rating] : cases) {
        Candidates candidates;
        candidates.fill(AllDigits);
        setUp(candidates);
        CandidateBoard board = CandidateBoard::FromCandidates(candidates);
        EXPECT_EQ(ApplyTechniqueRated(technique, board), rating) << name;
    }
}

// A bivalue universal grave: the cells of 1 and 2 of a solved grid hold
// {1,2}, those of 3 and 4 hold {3,4}, every other cell is placed, so each
// digit has two places or none in every unit. Then the listed cells get one
// further candidate each.
CandidateBoard GraveWith(std::initializer_list<std::pair<int, int>> extras)
{
    Candidates candidates;
    std::array<int, CellCount> solution{};
    for (int row = 0; row < GridSide; ++row)
        for (int column = 0; column < GridSide; ++column) {
            const int digit = (row * BoxSide + row / BoxSide + column) % GridSide + 1;
            const int cell = row * GridSide + column;
            solution[cell] = digit;
            candidates[cell] = digit <= 2 ? Digits({1, 2}) : digit <= 4 ? Digits({3, 4}) : DigitBit(digit);
        }
    for (const auto& [cell, digit] : extras)
        candidates[cell] |= DigitBit(digit);
    CandidateBoard board = CandidateBoard::FromCandidates(candidates);
    for (int cell = 0; cell < CellCount; ++cell)
        if (solution[cell] > 4)
            board.Place(cell, solution[cell]);
    board.RecordChanges(true);
    return board;
}

TEST(Techniques, BugType2TakesTheSharedDigitFromCellsThatSeeEveryThreeCandidateCell)
{
    // r1c1 (1) and r1c2 (2) hold {1,2,3}: one of them is 3, so the 3 leaves
    // the {3,4} cells of row 1 and box 1.
    CandidateBoard grave = GraveWith({{Cell(1, 1), 3}, {Cell(1, 2), 3}});
    EXPECT_FALSE(ApplyTechnique(Technique::BugPlusOne, grave));
    EXPECT_TRUE(ApplyTechnique(Technique::BugType2, grave));
    EXPECT_EQ(Eliminations(grave), EliminationsOf({Cell(1, 3), Cell(1, 4), Cell(2, 1)}, {3}));

    // r2c1 (4) also holds a 1: the three cells share 1 and 3, but without
    // either of them some digit keeps one place or three in a unit.
    CandidateBoard broken = GraveWith({{Cell(1, 1), 3}, {Cell(1, 2), 3}, {Cell(2, 1), 1}});
    EXPECT_FALSE(ApplyTechnique(Technique::BugType2, broken));
    EXPECT_TRUE(broken.Changes().empty());
}

TEST(Techniques, RatingsRiseWithTheTechniqueOrderAndBandsDoNotOverlap)
{
    int previous = 0;
    for (int index = 0; index < TechniqueCount; ++index) {
        const auto technique = static_cast<Technique>(index);
        EXPECT_GE(BaseRating(technique), previous) << TechniqueName(technique);
        EXPECT_GE(HighestRating(technique), BaseRating(technique)) << TechniqueName(technique);
        // A technique's longest instance stays in the band of its shortest.
        EXPECT_EQ(TierOfRating(HighestRating(technique)), TierOf(technique)) << TechniqueName(technique);
        previous = BaseRating(technique);
    }
    for (int tier = 1; tier < TierCount; ++tier)
        EXPECT_EQ(RatingBands[tier].least, RatingBands[tier - 1].most + 1);
    EXPECT_EQ(TierOf(Technique::HiddenSingle), SinglesTier);
    EXPECT_EQ(TierOf(Technique::NakedSingle), SinglesTier);
    EXPECT_EQ(TierOf(Technique::LockedPointing), SubsetsTier);
    EXPECT_EQ(TierOf(Technique::HiddenTriple), SubsetsTier);
    EXPECT_EQ(TierOf(Technique::XWing), FishAndWingsTier);
    EXPECT_EQ(TierOf(Technique::NakedQuad), FishAndWingsTier);
    EXPECT_EQ(TierOf(Technique::BugPlusOne), FishAndWingsTier);
    EXPECT_EQ(TierOf(Technique::UniqueLoop3), FishAndWingsTier);
    EXPECT_EQ(TierOf(Technique::BugType2), FishAndWingsTier);
    EXPECT_EQ(TierOf(Technique::WWing), ChainsTier);
    EXPECT_EQ(TierOf(Technique::AlsXz), ChainsTier);
    EXPECT_EQ(TierOf(Technique::GroupedAlternatingChain), ChainsTier);
    EXPECT_EQ(TierOf(Technique::ForcingChain), BeyondTier);
    EXPECT_EQ(TierOf(Technique::NestedForcingNet), BeyondTier);
}

} // namespace
} // namespace orvane::grader
