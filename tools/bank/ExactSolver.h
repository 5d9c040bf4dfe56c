#pragma once

#include "GeneratorRandom.h"
#include "Grid.h"

#include <vector>

namespace orvane::bank {

// The fast exact solver: candidate bit masks per cell, naked and hidden
// singles propagated after every placement, and a branch on a cell with the
// fewest candidates when propagation stalls.

// The number of solutions of puzzle, counting stops at limit (so 2 answers
// "more than one"). A puzzle whose givens already conflict has none.
int CountSolutions(const Grid& puzzle, int limit);

// As CountSolutions, and appends each solution found to solutions.
int EnumerateSolutions(const Grid& puzzle, int limit, std::vector<Grid>& solutions);

// Completes grid to a random solution, trying digits in random order; false
// when it has none. An empty grid gives a uniformly chosen branch path, which
// is all the generator needs of a "random full grid".
bool CompleteRandomly(Grid& grid, GeneratorRandom& random);

} // namespace orvane::bank
