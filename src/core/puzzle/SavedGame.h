#pragma once

#include "core/puzzle/PuzzlePosition.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A game as the saved-game file holds it. Every per-cell table lists the cells
// in file order, column by column: index 9(x-1)+(y-1) is cell (x, y).
//
//   line 1  81 digits  solution of each cell ("0" before the first game)
//   line 2  81 flags   "1" given, "0" open cell
//   line 3  81 digits  the digit each board cell shows, "0" where it shows nothing
//   line 4  level index in decimal
//   line 5  only when some cell has candidate marks: "Marks:" and 81 fields
//           separated by ",", each the marked digits of a cell in rising
//           order, empty for none ("Marks:,,159,,...")
//
// Single-byte text, every line ended by CR LF. A reader that knows four lines
// treats the fifth as absent, so a game with marks still opens there, without
// them; a game without marks is the four lines alone.
struct SavedGame {
    std::array<std::int32_t, CellCount> Solutions{};
    std::array<bool, CellCount> Givens{};
    std::array<std::int32_t, CellCount> BoardDigits{};
    std::int32_t Level = 0;
    // The candidate marks of each cell: bit d-1 for digit d.
    std::array<std::uint16_t, CellCount> Marks{};
};

constexpr int SavedGameCellIndex(int x, int y) { return BoardSize * (x - 1) + (y - 1); }

// The lines of a saved game: four, and the marks line when there are marks.
std::string SavedGameText(const SavedGame& game);

// The result of reading a saved-game file: the game, or the message of the
// first conversion error in the order in which the lines are applied (line 1
// cell by cell, then line 3 cell by cell, then line 4).
struct SavedGameReadResult {
    std::optional<SavedGame> Game;
    std::string Error;
};

// Reads and checks a whole file before anyone changes a game with it. Lines
// end at CR LF, CR or LF; a line the text lacks reads as empty. A character
// of line 1 or line 3 that is not a digit, including a missing one, and a
// line 4 that is not a whole number are conversion errors. Line 2 cannot
// fail: "0" is an open cell, anything else (a missing character too) a given.
// A fifth line that begins with "Marks:" must be a whole marks line (81
// fields of rising digits 1..9); any other fifth line, and every line after
// it, is left alone as a four-line reader leaves it.
SavedGameReadResult ReadSavedGame(std::string_view text);

// Puts the solutions and given flags of a saved game into a position's
// records; x and y of the records stay as they are.
void ApplySavedPosition(const SavedGame& game, PuzzlePosition& position);

// The solutions and given flags of a position in file order; the board digits
// and the level are left as they are.
void TakeSavedPosition(const PuzzlePosition& position, SavedGame& game);

} // namespace orvane
