#pragma once

#include "core/grader/Grid.h"

#include <vector>

namespace orvane::grader {

// The exact solver (BitSolver.cpp): per-digit bitboards of the three bands,
// box-line propagation by table, row, box, column and cell singles, and when
// propagation stalls a branch on the cell or the digit of the fewest choices.

// The number of solutions of puzzle, counting stops at limit (so 2 answers
// "more than one"). A puzzle whose givens already conflict has none.
int CountSolutions(const Grid& puzzle, int limit);

// As CountSolutions, and adds the branches the search took (guesses: every
// digit tried on a branch cell after propagation stalled) to guesses.
int CountSolutionsAndGuesses(const Grid& puzzle, int limit, long& guesses);

// As CountSolutions, and appends each solution found to solutions.
int EnumerateSolutions(const Grid& puzzle, int limit, std::vector<Grid>& solutions);

// Places digit in cell of a pencil-mark board (candidates of the open cells,
// values of the placed ones, 0 when open) and propagates as the solver does
// (box-line interactions inside bands, row, box and cell singles): true when
// that ends in a contradiction. The nested forcing nets' inner step.
bool PropagationContradicts(const std::array<std::uint16_t, CellCount>& candidates, const Grid& values, int cell,
                            int digit);

} // namespace orvane::grader
