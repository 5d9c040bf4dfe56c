#include "LogicalGrader.h"

#include <algorithm>

namespace orvane::bank {

GradeResult SolveLogically(CandidateBoard& board, int highestTier)
{
    GradeResult result;
    result.tier = SinglesTier;
    for (;;) {
        if (board.IsSolved() || board.IsBroken())
            break;
        bool progressed = false;
        for (int index = 0; index < TechniqueCount && !progressed; ++index) {
            const auto technique = static_cast<Technique>(index);
            if (TierOf(technique) > highestTier)
                break;
            if (!ApplyTechnique(technique, board))
                continue;
            ++result.uses[index];
            result.tier = std::max(result.tier, TierOf(technique));
            progressed = true;
        }
        if (!progressed)
            break;
    }
    result.solved = board.IsSolved();
    result.faulty = board.Faulty();
    if (!result.solved)
        result.tier = BeyondTier;
    return result;
}

GradeResult GradePuzzle(const Grid& puzzle, const std::optional<Grid>& solution)
{
    CandidateBoard board = CandidateBoard::FromPuzzle(puzzle);
    if (solution)
        board.AttachSolution(*solution);
    return SolveLogically(board);
}

} // namespace orvane::bank
