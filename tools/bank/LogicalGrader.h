#pragma once

#include "Techniques.h"

#include <array>
#include <optional>

namespace orvane::bank {

struct GradeResult {
    // The highest tier among the techniques used; BeyondTier when the
    // techniques stall before the board is solved.
    int tier = 0;
    bool solved = false;
    // A deduction contradicted the reference solution: a fault of the grader.
    bool faulty = false;
    // How often each technique changed the board.
    std::array<int, TechniqueCount> uses{};
};

// Solves puzzle by the techniques alone, always taking the simplest one that
// makes progress, and grades it by the hardest one it needed. With a
// solution, every deduction is checked against it.
GradeResult GradePuzzle(const Grid& puzzle, const std::optional<Grid>& solution = std::nullopt);

// Runs the techniques on a prepared board until they stall; the result says
// what was used. Shared by GradePuzzle and the tests' fixtures.
GradeResult SolveLogically(CandidateBoard& board, int highestTier = BeyondTier);

} // namespace orvane::bank
