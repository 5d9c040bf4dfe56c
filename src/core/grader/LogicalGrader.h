#pragma once

#include "core/grader/Techniques.h"

#include <array>
#include <atomic>
#include <optional>

namespace orvane::grader {

// A rating beyond the scale: the techniques stalled before the board was solved.
constexpr int UnsolvedRating = 111;

struct GradeResult {
    // The band of the rating; BeyondTier when the techniques stall before
    // the board is solved.
    int tier = 0;
    // The hardest step's rating in tenths of a point (UnsolvedRating when
    // stalled), and the sum of every step's rating.
    int rating = 0;
    int ratingSum = 0;
    // The hardest step's technique.
    Technique hardest = Technique::HiddenSingle;
    bool solved = false;
    // A deduction contradicted the reference solution: a fault of the grader.
    bool faulty = false;
    // How often each technique changed the board.
    std::array<int, TechniqueCount> uses{};
    // The run was asked to stop before the end: the rest means nothing.
    bool stopped = false;
};

// Solves puzzle by the techniques alone, always taking the simplest one that
// makes progress, and grades it by the hardest one it needed. With a
// solution, every deduction is checked against it.
// With highestTier below BeyondTier the grader stops before the harder
// techniques (the generator's cheap first grading: a puzzle that stalls there
// is BeyondTier, to be graded in full later).
// A run on another thread can be asked to stop: the grader looks at `stop`
// before every step and gives up when it is set (the result then says
// `stopped`). One step of the hardest techniques is what such a stop waits.
GradeResult GradePuzzle(const Grid& puzzle, const std::optional<Grid>& solution = std::nullopt,
                        int highestTier = BeyondTier, const std::atomic<bool>* stop = nullptr);

// Runs the techniques on a prepared board until they stall; the result says
// what was used. Shared by GradePuzzle and the tests' fixtures.
GradeResult SolveLogically(CandidateBoard& board, int highestTier = BeyondTier,
                           const std::atomic<bool>* stop = nullptr);

} // namespace orvane::grader
