#include "ReferenceSolver.h"

namespace orvane::bank {

namespace {

struct ReferenceSearch {
    Grid grid;
    std::array<std::uint16_t, GridSide> rows{}, columns{}, boxes{};
    int limit;
    int count = 0;

    void Search(int from)
    {
        int cell = from;
        while (cell < CellCount && grid[cell] != 0)
            ++cell;
        if (cell == CellCount) {
            ++count;
            return;
        }
        const int row = RowOf(cell), column = ColumnOf(cell), box = BoxOf(cell);
        for (int digit = 1; digit <= DigitCount && count < limit; ++digit) {
            const std::uint16_t bit = DigitBit(digit);
            if ((rows[row] | columns[column] | boxes[box]) & bit)
                continue;
            rows[row] |= bit, columns[column] |= bit, boxes[box] |= bit;
            grid[cell] = static_cast<std::uint8_t>(digit);
            Search(cell + 1);
            grid[cell] = 0;
            rows[row] ^= bit, columns[column] ^= bit, boxes[box] ^= bit;
        }
    }
};

} // namespace

int ReferenceCountSolutions(const Grid& puzzle, int limit)
{
    if (limit <= 0 || !HasNoConflict(puzzle))
        return 0;
    ReferenceSearch search{puzzle, {}, {}, {}, limit};
    for (int cell = 0; cell < CellCount; ++cell) {
        const int digit = puzzle[cell];
        if (digit == 0)
            continue;
        const std::uint16_t bit = DigitBit(digit);
        search.rows[RowOf(cell)] |= bit;
        search.columns[ColumnOf(cell)] |= bit;
        search.boxes[BoxOf(cell)] |= bit;
    }
    search.Search(0);
    return search.count;
}

} // namespace orvane::bank
