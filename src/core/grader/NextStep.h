#pragma once

#include "core/grader/CandidateBoard.h"
#include "core/grader/StepPattern.h"
#include "core/grader/Techniques.h"

#include <atomic>
#include <optional>
#include <vector>

namespace orvane::grader {

// One step of a solver who takes the simplest technique that makes
// progress, and of it one instance: what a hint teaches.
struct Step {
    Technique technique = Technique::HiddenSingle;
    // The rating of the step in tenths of a point (a chain's grows with its
    // length).
    int rating = 0;
    // The units it works in (never empty: a pattern that lies in no unit of
    // its own names the boxes of its cells), its cells and the candidates its
    // reasoning uses.
    StepPattern pattern;
    std::vector<CellDigit> placements;
    std::vector<CellDigit> eliminations;
};

// The next step on the board: the techniques in their order (Techniques.h),
// and of the first that changes the board the first instance that does, as
// the grader's scan meets them. With a solution, an instance whose
// deductions disagree with it is passed over: the uniqueness techniques
// assume one solution, which a board from elsewhere need not have. Nothing
// when the board is solved or broken, when no technique moves it, or when
// `stop` is set (looked at before every technique). The board is not
// changed.
std::optional<Step> NextStep(const CandidateBoard& board, const Grid* solution = nullptr,
                             const std::atomic<bool>* stop = nullptr);

// Carries a step out on a board: its placements, then its eliminations.
void ApplyStep(const Step& step, CandidateBoard& board);

} // namespace orvane::grader
