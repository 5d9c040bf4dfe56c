#pragma once

#include "core/grader/BitSolver.h"
#include "core/grader/CandidateBoard.h"
#include "core/grader/Grid.h"
#include "core/grader/LogicalGrader.h"
#include "core/grader/Techniques.h"

namespace orvane::bank {

// The bank tool builds on the game's grader: its grid, candidate board,
// techniques, rating and exact solver are the ones the game's hints and
// puzzle ratings use, so a puzzle rates the same in both.
using namespace orvane::grader;

} // namespace orvane::bank
