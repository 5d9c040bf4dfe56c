#pragma once

#include "Grader.h"

namespace orvane::bank {

// The canonical form of a full grid under the grid's symmetries (transposing,
// permuting bands, stacks, the rows of a band and the columns of a stack) and
// the relabelling of digits: the least of all its images, read row by row,
// after relabelling the first row to 1..9. Two grids are the same up to those
// symmetries exactly when their canonical forms are equal. Puzzles that are
// the same up to symmetry have such solution grids, so distinct canonical
// forms of the solutions mean distinct puzzles.
Grid CanonicalGrid(const Grid& grid);

} // namespace orvane::bank
