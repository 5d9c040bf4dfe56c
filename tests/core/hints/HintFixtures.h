#pragma once

#include "core/grader/BitSolver.h"
#include "core/hints/Hint.h"

#include <gtest/gtest.h>

#include <string_view>

namespace orvane::test {

// A game as the board holds it: the givens shown, every open cell holding
// its solution unseen, nothing entered.
struct HintGame {
    PlayGrid grid;
    SolutionDigits solution{};

    // Cells by row and column from 1, as the hints name them.
    static int Index(int row, int column) { return CellIndex(column, row); }
    void Enter(int row, int column, int digit) { EnterDigit(grid, Index(row, column), digit, AutoClean::On); }
    void Mark(int row, int column, MarkSet marks) { grid.cells[std::size_t(Index(row, column))].marks = marks; }
    int SolutionAt(int row, int column) const { return solution[std::size_t(Index(row, column))]; }
};

// The game of a puzzle given row by row ("." an open cell); its one
// solution is found by the exact solver.
inline HintGame GameOf(std::string_view rows)
{
    const grader::Grid givens = *grader::ParseRowText(rows);
    std::vector<grader::Grid> solutions;
    EXPECT_EQ(grader::EnumerateSolutions(givens, 2, solutions), 1) << rows;
    HintGame game;
    for (int index = 0; index < CellCount; ++index) {
        const int cell = GraderCell(index);
        const int digit = solutions.front()[std::size_t(cell)];
        game.solution[std::size_t(index)] = digit;
        game.grid.givens[std::size_t(index)] = givens[std::size_t(cell)] != 0;
        game.grid.cells[std::size_t(index)] = CellState{digit, givens[std::size_t(cell)] != 0, 0};
    }
    return game;
}

inline MarkSet Marks(std::initializer_list<int> digits)
{
    MarkSet marks = 0;
    for (int digit : digits)
        marks |= MarkOf(digit);
    return marks;
}

// Solved by hidden and naked singles alone.
constexpr std::string_view SinglesOnly =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";
// A well-known puzzle that only nested forcing nets crack.
constexpr std::string_view EasterMonster =
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";

} // namespace orvane::test
