#pragma once

#include "core/hints/Hint.h"

#include <string>

namespace orvane {

// What the hint window says at a press (1 .. HintPresses), in UTF-8. Cells
// are named rRcC (row R, column C, from the top left); regions in words.
//
//   press 1  "Hidden single in row 3."
//   press 2  "In row 3, the 7 fits only in r3c5. So r3c5 is 7."
//   press 3  "Done: r3c5 is 7."
//
// A wrong digit is pointed at ("The 4 in r2c6 is wrong.") and then taken
// out ("Done: the wrong 4 is out of r2c6."); a solved board and a board the
// techniques cannot move say so at once.
std::string HintText(const Hint& hint, int press);

// A cell's name: "r3c5" for row 3, column 5 (a grader cell index).
std::string CellName(int graderCell);
// A unit's name: "row 3", "column 5", "box 4" (a grader unit index).
std::string UnitName(int unit);

} // namespace orvane
