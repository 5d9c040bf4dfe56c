#pragma once

#include "ExactSolver.h"
#include "GeneratorRandom.h"
#include "Grader.h"

namespace orvane::bank {

// Counts the solutions of a puzzle up to a limit. The generator takes it as a
// parameter so that the benchmark can run the same generator on the
// reference solver.
using SolutionCounter = int (*)(const Grid& puzzle, int limit);

// A random valid full grid.
Grid RandomFullGrid(GeneratorRandom& random);

// True when puzzle has exactly one solution.
bool IsUnique(const Grid& puzzle, SolutionCounter counter = CountSolutions);

// Removes givens of puzzle in random order as long as the solution stays
// unique: the result is minimal (no given can go). Takes the full solution
// grid to start from the bottom of the tree.
Grid MinimalPuzzle(const Grid& puzzle, GeneratorRandom& random, SolutionCounter counter = CountSolutions);

// One exchange move on a unique puzzle: takes `removed` (1 or 2) random
// givens away and puts one new given back so that the solution is unique
// again, then removes whatever givens have become superfluous. With two
// removed, the puzzle loses at least one given; with one, it moves sideways.
// False (puzzle unchanged) when the drawn givens admit no such cell.
bool ExchangeMove(Grid& puzzle, const Grid& solution, int removed, GeneratorRandom& random);

// A puzzle of targetGivens givens that singles alone solve: givens removed in
// random order while singles still finish the board. Fewer removals when no
// given can go without needing more than singles.
Grid SinglesPuzzle(const Grid& solution, int targetGivens, GeneratorRandom& random);

} // namespace orvane::bank
