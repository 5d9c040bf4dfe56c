#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::grader {

// A 9x9 board, cells numbered row by row from the top left:
//
//     index = 9 * row + column      (row, column 0..8)
//
// 0 is an empty cell, 1..9 a digit. The puzzle string lists the cells column by
// column instead; PuzzleText converts between the two orders.
constexpr int GridSide = 9;
constexpr int BoxSide = 3;
constexpr int CellCount = GridSide * GridSide;
constexpr int UnitCount = 3 * GridSide;   // 9 rows, 9 columns, 9 boxes
constexpr int PeerCount = 20;             // 8 in the row, 8 in the column, 4 more in the box
constexpr int DigitCount = 9;
constexpr std::uint16_t AllDigits = 0x1FF; // bit d-1 stands for digit d

using Grid = std::array<std::uint8_t, CellCount>;

constexpr int RowOf(int cell) { return cell / GridSide; }
constexpr int ColumnOf(int cell) { return cell % GridSide; }
constexpr int BoxOf(int cell) { return (RowOf(cell) / BoxSide) * BoxSide + ColumnOf(cell) / BoxSide; }
constexpr std::uint16_t DigitBit(int digit) { return static_cast<std::uint16_t>(1u << (digit - 1)); }

// Units 0..8 are the rows, 9..17 the columns, 18..26 the boxes.
constexpr int RowUnit(int row) { return row; }
constexpr int ColumnUnit(int column) { return GridSide + column; }
constexpr int BoxUnit(int box) { return 2 * GridSide + box; }

struct GridTables {
    std::array<std::array<std::uint8_t, GridSide>, UnitCount> unitCells;
    std::array<std::array<std::uint8_t, PeerCount>, CellCount> peers;
    std::array<std::array<std::uint8_t, 3>, CellCount> unitsOfCell; // row, column, box unit
    std::array<std::array<bool, CellCount>, CellCount> sees;        // distinct cells sharing a unit
};

// The unit and peer tables, built once per process.
const GridTables& Tables();

inline bool Sees(int a, int b) { return Tables().sees[a][b]; }

int GivenCount(const Grid& puzzle);

// True when every cell holds a digit and every unit holds each digit once.
bool IsCompleteValidGrid(const Grid& grid);

// True when no unit holds a digit twice (empty cells allowed).
bool HasNoConflict(const Grid& grid);

// The puzzle string: 81 characters, character 9*column + row describes cell
// (row, column); "1".."9" is a given, "A".."I" an open cell with that solution.
std::string PuzzleText(const Grid& solution, const Grid& givens);

struct ParsedPuzzle {
    Grid solution{};
    Grid givens{};
};

// Parses a puzzle string; nothing when it is not 81 characters of "1".."9" and
// "A".."I". Says nothing about the validity of the grid.
std::optional<ParsedPuzzle> ParsePuzzleText(std::string_view text);

// 81 characters row by row, "." for an empty cell: the common exchange form
// used by the tests' fixtures and the tool's messages.
std::string RowText(const Grid& grid);
std::optional<Grid> ParseRowText(std::string_view text);

} // namespace orvane::grader
