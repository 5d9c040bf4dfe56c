#pragma once

#include "core/puzzle/PuzzlePosition.h"

#include <array>
#include <cstdint>

namespace orvane {

// The candidate marks (pencil marks) of one cell: bit d-1 stands for digit d.
using MarkSet = std::uint16_t;
constexpr MarkSet AllMarks = 0x1FF;

constexpr bool IsPlayDigit(int digit) { return digit >= 1 && digit <= BoardSize; }
constexpr MarkSet MarkOf(int digit) { return MarkSet(1u << (digit - 1)); }
constexpr bool HasMark(MarkSet marks, int digit) { return IsPlayDigit(digit) && (marks & MarkOf(digit)) != 0; }

// A cell of the board: x the column, y the row, both 1..9; 0, 0 for none.
struct CellPlace {
    int x = 0;
    int y = 0;
    bool operator==(const CellPlace&) const = default;
};

// The index of a cell in every per-cell table of play, column by column as in
// the saved-game file: 9(x-1)+(y-1).
constexpr int CellIndex(int x, int y) { return BoardSize * (x - 1) + (y - 1); }
constexpr int CellIndex(CellPlace place) { return CellIndex(place.x, place.y); }
constexpr CellPlace PlaceOf(int index) { return CellPlace{index / BoardSize + 1, index % BoardSize + 1}; }

// What a player can change in one cell. A board cell holds a digit and shows
// it or not: an open cell that nobody played holds its solution unseen, and
// a digit the player enters is both held and shown (see the board's cell).
// Marks stay while the cell shows a digit, hidden until the digit goes.
struct CellState {
    std::int32_t value = 0;
    bool shown = false;
    MarkSet marks = 0;

    // The digit the player sees, 0 for none.
    int Digit() const { return shown && IsPlayDigit(value) ? value : 0; }
    bool operator==(const CellState&) const = default;
};

// The board as play sees it: the state of every cell and which are givens,
// indexed by CellIndex.
struct PlayGrid {
    std::array<CellState, CellCount> cells{};
    std::array<bool, CellCount> givens{};

    CellState& At(CellPlace place) { return cells[std::size_t(CellIndex(place))]; }
    const CellState& At(CellPlace place) const { return cells[std::size_t(CellIndex(place))]; }
    bool operator==(const PlayGrid&) const = default;
};

// Whether two cells share a row, a column or a box (a cell shares them with
// itself).
bool ShareAUnit(CellPlace a, CellPlace b);

// The 20 cells that share a row, a column or a box with a cell.
constexpr int PeerCount = 20;
const std::array<int, PeerCount>& PeersOf(int index);

// The digits that no peer of the cell shows.
MarkSet AllowedDigits(const PlayGrid& grid, int index);

// Whether entering a digit also takes that digit's marks off the cell's row,
// column and box.
enum class AutoClean { Off, On };

// Puts a digit into an open cell as the board's entry does: 1..9 is held and
// shown, 0 empties the cell (its hidden marks show again). With AutoClean On
// a digit 1..9 also removes its marks from every peer. Givens stay as they
// are.
void EnterDigit(PlayGrid& grid, int index, int digit, AutoClean autoClean);

// Adds or removes one mark of an open cell that shows no digit; a cell that
// shows a digit and a given keep their state.
void ToggleMark(PlayGrid& grid, int index, int digit);

// Empties an open cell from the keyboard: the digit when it shows one, else
// its marks.
void EraseCell(PlayGrid& grid, int index);

// Takes every mark off an open cell.
void ClearCellMarks(PlayGrid& grid, int index);

// Writes into every open cell that shows no digit exactly the digits that its
// peers allow. Cells that show a digit keep their hidden marks.
void FillCandidates(PlayGrid& grid);

// The cells whose shown digit is shown again in their row, column or box.
std::array<bool, CellCount> RepeatedDigits(const PlayGrid& grid);

} // namespace orvane
