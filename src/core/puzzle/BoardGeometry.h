#pragma once

namespace orvane {

// The geometry of a board of 9 x 9 cells. With a board of 450 pixels the
// pitch p is 50 and the cells and lines lie here (columns; rows alike):
//
//   index          1    2    3    4    5    6    7    8    9   10
//   cell start     2   51  101  151  201  251  301  351  401
//   cell extent   48   48   48   48   48   48   48   48   47
//   line position  1   50  100  150  200  250  300  350  399  449
//   pen width      2    1    1    2    1    1    2    1    1    2
//
// Each cell sits 1 pixel inside its pitch square, the first one pixel further
// in and the last one pixel narrower, so that the thick frame lines at 1 and
// 449 and the box lines at 150 and 300 show between the cells.
constexpr int BoardPixels = 450;
constexpr int BoardCells = 9;
constexpr int GridLineCount = BoardCells + 1;
constexpr int BoxCells = 3;
constexpr int ThickPenWidth = 2;
constexpr int ThinPenWidth = 1;

constexpr int CellPitch(int boardExtent) { return boardExtent / BoardCells; }

// Left of column `index` (or top of row `index`), 1..9.
constexpr int CellStart(int index, int pitch) { return (index - 1) * pitch + 1 + (index == 1 ? 1 : 0); }

// Width of column `index` (or height of row `index`), 1..9.
constexpr int CellExtent(int index, int pitch) { return pitch - 2 - (index == BoardCells ? 1 : 0); }

// Position of grid line k, 1..10.
constexpr int GridLinePosition(int k, int pitch)
{
    if (k == 1)
        return 1;
    return (k - 1) * pitch - (k >= GridLineCount - 1 ? 1 : 0);
}

// Pen width of grid line k: thick for the frame and the borders of the boxes.
constexpr int GridLinePenWidth(int k) { return (k - 1) % BoxCells == 0 ? ThickPenWidth : ThinPenWidth; }

} // namespace orvane
