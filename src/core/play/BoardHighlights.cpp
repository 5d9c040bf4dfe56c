#include "core/play/BoardHighlights.h"

namespace orvane {

std::array<CellHighlight, CellCount> BoardHighlights(const PlayGrid& grid, CellPlace selected)
{
    const std::array<bool, CellCount> repeated = RepeatedDigits(grid);
    const bool anySelected = selected.x != 0 && selected.y != 0;
    const int selectedDigit = anySelected ? grid.At(selected).Digit() : 0;
    std::array<CellHighlight, CellCount> highlights{};
    for (int index = 0; index < CellCount; ++index) {
        const CellState& cell = grid.cells[std::size_t(index)];
        CellHighlight& highlight = highlights[std::size_t(index)];
        highlight.repeated = repeated[std::size_t(index)];
        if (!anySelected)
            continue;
        highlight.peer = ShareAUnit(PlaceOf(index), selected);
        if (selectedDigit == 0)
            continue;
        highlight.sameDigit = cell.Digit() == selectedDigit;
        if (cell.Digit() == 0 && HasMark(cell.marks, selectedDigit))
            highlight.markedDigit = selectedDigit;
    }
    return highlights;
}

} // namespace orvane
