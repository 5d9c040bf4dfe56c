#pragma once

#include "Grader.h"

namespace orvane::bank {

// The number of solutions of puzzle up to limit, by the bitboard solver before
// bank 3 (PreviousBitSolver.cpp).
int PreviousCountSolutions(const Grid& puzzle, int limit);

} // namespace orvane::bank
