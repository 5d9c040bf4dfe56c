#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

constexpr int BoardSize = 9;
constexpr int CellCount = BoardSize * BoardSize;

// One cell record of a game position. A new record is all zero.
struct TNode {
    std::int32_t x = 0;        // column 1..9 from the left
    std::int32_t y = 0;        // row 1..9 from the top
    std::int32_t solution = 0; // solution digit; for a given also the digit shown
    bool given = false;        // a given: fixed, shown from the start
};

// The puzzle being played: solution digit and given flag of all 81 cells.
// The player's digits are not here; they live on the board.
//
// Records are indexed [x, y] from 1 and live as long as the position: every
// load overwrites them in place.
class PuzzlePosition {
public:
    TNode& Node(int x, int y) { return records[x - 1][y - 1]; }
    const TNode& Node(int x, int y) const { return records[x - 1][y - 1]; }

    // Fills all 81 records from a puzzle string, then varies the puzzle with
    // Shuffle(200). The string lists the board column by column: character
    // 9(x-1)+y is cell (x, y); "1".."9" is a given, "A".."I" an open cell
    // whose solution is the letter's place in the alphabet.
    //
    // Any other character (or a missing one) throws the conversion error.
    // The records before the failing cell then hold the new data, the failing
    // record has its new x and y, given set and its old solution, the records
    // after it are unchanged, and Shuffle has not run.
    void LoadPuzzle(std::string_view text);

    // Seeds the generator, then makes `steps` random exchanges that keep a
    // valid grid valid: two rows of a band, two columns of a stack, or two
    // digits throughout the grid. Records keep their coordinates.
    void Shuffle(int steps);

    // The print string: the board row by row, the digit of each given and
    // "0" for each open cell.
    std::string GivensText() const;

private:
    std::array<std::array<TNode, BoardSize>, BoardSize> records{};
};

} // namespace orvane
