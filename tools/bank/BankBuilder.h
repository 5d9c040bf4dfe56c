#pragma once

#include "BankRules.h"
#include "Grader.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane::bank {

// How the bank is generated. The defaults made the committed bank; the same
// parameters give the same bank on any machine.
struct BankParameters {
    std::uint64_t seed = 20240917;
    // Grids whose minimal puzzle then walks towards few givens ("+2 givens,
    // then remove what became superfluous", kept when no larger), grading every
    // puzzle it visits: the source of the low-givens Normal and Hard puzzles.
    int walkGrids = 1800;
    int walkSteps = 400;
    int walkFloor = 18;
    // Grids that give one minimal puzzle each: the source of most Expert and
    // Extreme puzzles, whose grades are rare among minimal puzzles.
    int freshGrids = 30000;
    // Steps for taking a list's few lowest puzzles further down within their
    // grade, so that every list but Easy reaches the table's fewest givens.
    int descentSteps = 3000;
    // Sideways exchange moves per restart of the local search that takes an
    // Extreme line towards the top of the rating, and its restarts.
    int searchSteps = 300;
    int searchRestarts = 4;
    // Threads; the bank does not depend on their number.
    int jobs = 2;
};

struct BankList {
    std::vector<std::string> lines;
};

using BankProgress = std::function<void(const std::string& message)>;

// Generates the six lists in the order of BankListRules. Throws
// std::runtime_error when the pools of a grade run short.
std::array<BankList, BankLists> BuildBank(const BankParameters& parameters, const BankProgress& progress);

// The benchmark's hard set: minimal puzzles of `grids` random grids, of which
// the `count` that cost the exact solver the most guesses (uniqueness check)
// are kept, in the order made. Puzzle strings, like the bank's lines.
std::vector<std::string> BuildHardSet(std::uint64_t seed, int grids, int count, int jobs);

} // namespace orvane::bank
