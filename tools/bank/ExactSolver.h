#pragma once

#include "Grader.h"
#include "GeneratorRandom.h"

namespace orvane::bank {

// The exact solver of the bitboards is the grader's (core/grader/BitSolver.h);
// the bank tool keeps the solver before it, which the benchmark compares and
// whose branch order the bank's random grids depend on.

// The solver before the bitboards (candidate masks per cell, singles, branch
// on a cell of fewest candidates), kept for the benchmark's comparison.
int LegacyCountSolutions(const Grid& puzzle, int limit);

// Completes grid to a random solution, trying digits in random order; false
// when it has none. Runs on the per-cell search of the legacy solver, whose
// branch order the bank's seed depends on. An empty grid gives a uniformly chosen branch path, which
// is all the generator needs of a "random full grid".
bool CompleteRandomly(Grid& grid, GeneratorRandom& random);

} // namespace orvane::bank
