#pragma once

#include "core/play/PlayGrid.h"

#include <array>
#include <optional>

namespace orvane {

enum class MoveDirection { Left, Right, Up, Down };

// Where an arrow key takes the selection: the next open cell (not a given)
// from `from` in that direction along its row or column, past the edge
// round to the other end of the same line. `from` itself when its line has
// no other open cell.
//
//   Right from (7, y) over givens at (8, y) and (9, y)  ->  (1, y), or the
//   first open cell after it
CellPlace NextOpenCell(const std::array<bool, CellCount>& givens, CellPlace from, MoveDirection direction);

// The open cell nearest the centre cell (5, 5), by straight-line distance;
// among equally near cells the first row by row, left to right. None when
// every cell is a given.
std::optional<CellPlace> OpenCellNearestCentre(const std::array<bool, CellCount>& givens);

} // namespace orvane
