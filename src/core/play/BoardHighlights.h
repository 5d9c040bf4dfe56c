#pragma once

#include "core/play/PlayGrid.h"

#include <array>

namespace orvane {

// What the highlights show on one cell.
struct CellHighlight {
    bool peer = false;      // in the selected cell's row, column or box (the selected cell too)
    bool sameDigit = false; // shows the digit the selected cell shows
    int markedDigit = 0;    // shows no digit but a mark of the selected cell's digit: that digit
    bool repeated = false;  // its digit is shown again in its row, column or box
    bool operator==(const CellHighlight&) const = default;
};

// The highlights of every cell, indexed by CellIndex, with `selected` the
// selected cell or {0, 0} for none. Without a selection only repeated digits
// show.
std::array<CellHighlight, CellCount> BoardHighlights(const PlayGrid& grid, CellPlace selected);

} // namespace orvane
