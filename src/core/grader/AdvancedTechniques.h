#pragma once

#include "core/grader/CandidateBoard.h"

namespace orvane::grader::detail {

// The techniques beyond fish and wings. Each applies the deductions it finds
// and returns the rating of the step (tenths of a point), 0 when it found
// nothing. Chains and forcing steps take only their shortest instances, so
// that the step's rating is that of the simplest chain the board offers.

// Unique Rectangle type 1, 2 or 4 (the puzzle must have one solution).
int UniqueRectangles(CandidateBoard& board, int type, int rating);
// BUG+1: every open cell but one holds two candidates.
int BugPlusOne(CandidateBoard& board, int rating);

enum class ChainKind {
    XChain,        // one digit, single cells
    GroupedXChain, // one digit, with groups of a box and a line
    Alternating,   // every digit, single candidates (XY-chains, mixed AICs)
    GroupedAlternating,
};
int Chains(CandidateBoard& board, ChainKind kind, int baseRating, int highestRating);

// Two almost locked sets with a restricted common digit x: a common digit z
// leaves every cell that sees all of z's places in both sets.
int AlsXz(CandidateBoard& board, int rating);

// Forcing by assumption: a candidate whose truth leads to a contradiction is
// eliminated; a digit that both candidates of a two-candidate cell force
// into a cell is placed. Level 1 follows the assumption with singles (forcing
// chains), level 2 with singles and the Normal and Hard techniques but no
// uniqueness (forcing nets), level 3 with singles and level-1 forcing chains
// inside (nested forcing nets).
int Forcing(CandidateBoard& board, int level, int baseRating, int highestRating);

// The difficulty added to a chain's base for its length (nodes), in the
// manner of the hardest-step scales: +0.1 at 5, 7, 10, 14, 19, ... nodes.
int LengthBonus(int length);

} // namespace orvane::grader::detail
