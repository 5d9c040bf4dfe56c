#include "Generator.h"

#include "Grader.h"

#include <bitset>
#include <numeric>
#include <vector>

namespace orvane::bank {

namespace {

// Solutions enumerated after an exchange's removal; with more, the drawn
// givens carry too much of the puzzle for one new given to restore it.
constexpr int ExchangeSolutionLimit = 48;

std::array<int, CellCount> ShuffledCells(GeneratorRandom& random)
{
    std::array<int, CellCount> cells;
    std::iota(cells.begin(), cells.end(), 0);
    random.Shuffle(cells);
    return cells;
}

std::vector<int> GivenCells(const Grid& puzzle)
{
    std::vector<int> cells;
    for (int cell = 0; cell < CellCount; ++cell)
        if (puzzle[cell] != 0)
            cells.push_back(cell);
    return cells;
}

} // namespace

Grid RandomFullGrid(GeneratorRandom& random)
{
    Grid grid{};
    CompleteRandomly(grid, random);
    return grid;
}

bool IsUnique(const Grid& puzzle, SolutionCounter counter) { return counter(puzzle, 2) == 1; }

Grid MinimalPuzzle(const Grid& puzzle, GeneratorRandom& random, SolutionCounter counter)
{
    Grid result = puzzle;
    for (int cell : ShuffledCells(random)) {
        const auto digit = result[cell];
        if (digit == 0)
            continue;
        result[cell] = 0;
        if (!IsUnique(result, counter))
            result[cell] = digit;
    }
    return result;
}

bool ExchangeMove(Grid& puzzle, const Grid& solution, int removed, GeneratorRandom& random)
{
    auto givens = GivenCells(puzzle);
    if (static_cast<int>(givens.size()) < removed)
        return false;
    Grid reduced = puzzle;
    for (int i = 0; i < removed; ++i) {
        const auto pick = random.Below(static_cast<std::uint32_t>(givens.size()));
        reduced[givens[pick]] = 0;
        givens.erase(givens.begin() + pick);
    }
    std::vector<Grid> solutions;
    if (EnumerateSolutions(reduced, ExchangeSolutionLimit, solutions) >= ExchangeSolutionLimit)
        return false;
    // A new given at cell c restores uniqueness exactly when every other
    // solution differs from the true one at c.
    std::bitset<CellCount> restoring;
    restoring.set();
    for (const Grid& other : solutions) {
        if (other == solution)
            continue;
        std::bitset<CellCount> differs;
        for (int cell = 0; cell < CellCount; ++cell)
            differs[cell] = other[cell] != solution[cell];
        restoring &= differs;
    }
    for (int cell = 0; cell < CellCount; ++cell)
        if (puzzle[cell] != 0)
            restoring[cell] = false; // putting a removed given back is no move
    if (restoring.none())
        return false;
    auto pick = random.Below(static_cast<std::uint32_t>(restoring.count()));
    for (int cell = 0; cell < CellCount; ++cell)
        if (restoring[cell] && pick-- == 0) {
            reduced[cell] = solution[cell];
            break;
        }
    puzzle = MinimalPuzzle(reduced, random);
    return true;
}

Grid SinglesPuzzle(const Grid& solution, int targetGivens, GeneratorRandom& random)
{
    Grid puzzle = solution;
    int givens = CellCount;
    for (int cell : ShuffledCells(random)) {
        if (givens <= targetGivens)
            break;
        const auto digit = puzzle[cell];
        puzzle[cell] = 0;
        CandidateBoard board = CandidateBoard::FromPuzzle(puzzle);
        if (SolveLogically(board, SinglesTier).solved)
            --givens;
        else
            puzzle[cell] = digit;
    }
    return puzzle;
}

} // namespace orvane::bank
