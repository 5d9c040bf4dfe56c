#pragma once

#include "Grader.h"

namespace orvane::bank {

// The plain backtracking solver that the benchmark measures the fast solver
// against: first empty cell in row order, digits 1..9 checked against
// row, column and box masks, no propagation. Counting stops at limit.
int ReferenceCountSolutions(const Grid& puzzle, int limit);

} // namespace orvane::bank
