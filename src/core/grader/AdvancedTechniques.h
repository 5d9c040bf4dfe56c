#pragma once

#include "core/grader/CandidateBoard.h"

namespace orvane::grader::detail {

// The techniques beyond fish and wings. Each applies the deductions it finds
// and returns the rating of the step (tenths of a point), 0 when it found
// nothing. Chains and forcing steps take only their shortest instances, so
// that the step's rating is that of the simplest chain the board offers.

// Uniqueness: cells that could only hold the same two digits a and b, in a
// shape where the two digits could swap in every row, column and box, would
// give the puzzle two solutions. The puzzle has one, so the cells that hold
// more than a and b ("extra" cells) must keep the pattern from forming:
//   type 1: one extra cell, which is neither a nor b;
//   type 2: every extra cell holds one further digit x, the same in all:
//           one of them is x, and x leaves every cell that sees them all;
//   type 3: two extra cells in one unit act as one cell holding their
//           further digits, which forms a naked subset with other cells of
//           that unit; the subset's digits leave the unit's other cells;
//   type 4: two extra cells in one unit where a has no other place: one of
//           them is a, so neither is b.
// A Unique Rectangle is such a shape of four cells in two rows, two columns
// and two boxes; a Unique Loop one of six or more cells, a closed path in
// which consecutive cells share a unit and every unit holds none of its
// cells or two at an odd distance along the loop. The rating is the base,
// +0.1 per cell of a type 3 subset beyond the first, and for loops +0.1 per
// two cells beyond six, up to highestRating; only the instances of the
// lowest rating the board offers are applied.
int UniqueRectangles(CandidateBoard& board, int type, int baseRating, int highestRating);
int UniqueLoops(CandidateBoard& board, int type, int baseRating, int highestRating);
// BUG+1: every open cell but one holds two candidates.
int BugPlusOne(CandidateBoard& board, int rating);
// BUG type 2: every open cell holds two candidates but for two or more that
// hold three, whose third digit x is the same and without which every digit
// has two places or none in every unit: one of them is x, so x leaves every
// cell that sees them all.
int BugType2(CandidateBoard& board, int rating);

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
