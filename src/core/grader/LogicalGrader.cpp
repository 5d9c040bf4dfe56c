#include "core/grader/LogicalGrader.h"

#include <algorithm>

namespace orvane::grader {

GradeResult SolveLogically(CandidateBoard& board, int highestTier, const std::atomic<bool>* stop)
{
    GradeResult result;
    result.tier = SinglesTier;
    result.rating = BaseRating(Technique::HiddenSingle);
    for (;;) {
        if (board.IsSolved() || board.IsBroken())
            break;
        if (stop && stop->load(std::memory_order_relaxed)) {
            result.stopped = true;
            break;
        }
        bool progressed = false;
        for (int index = 0; index < TechniqueCount && !progressed; ++index) {
            const auto technique = static_cast<Technique>(index);
            if (TierOf(technique) > highestTier)
                break;
            const int rating = ApplyTechniqueRated(technique, board);
            if (rating == 0)
                continue;
            ++result.uses[index];
            result.ratingSum += rating;
            if (rating > result.rating) {
                result.rating = rating;
                result.hardest = technique;
            }
            progressed = true;
        }
        if (!progressed)
            break;
    }
    result.solved = board.IsSolved();
    result.faulty = board.Faulty();
    result.tier = TierOfRating(result.rating);
    if (!result.solved) {
        result.tier = BeyondTier;
        result.rating = UnsolvedRating;
    }
    return result;
}

GradeResult GradePuzzle(const Grid& puzzle, const std::optional<Grid>& solution, int highestTier,
                        const std::atomic<bool>* stop)
{
    CandidateBoard board = CandidateBoard::FromPuzzle(puzzle);
    if (solution)
        board.AttachSolution(*solution);
    return SolveLogically(board, highestTier, stop);
}

} // namespace orvane::grader
