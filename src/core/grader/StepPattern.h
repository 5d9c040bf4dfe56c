#pragma once

#include <compare>
#include <cstddef>
#include <vector>

namespace orvane::grader {

// A candidate: a digit in a cell (cell index as in Grid.h, row by row).
struct CellDigit {
    int cell = 0;
    int digit = 0;
    friend auto operator<=>(const CellDigit&, const CellDigit&) = default;
};

// What one instance of a technique rests on, as a hint shows it: the units
// it works in (rows, columns or boxes, unit numbers as in Grid.h; empty when
// the pattern lies in no unit of its own), its cells, and the candidates of
// those cells that the reasoning uses.
struct StepPattern {
    std::vector<int> units;
    std::vector<int> cells;
    std::vector<CellDigit> candidates;
};

// An instance found during a technique's scan, and where its changes start in
// the board's record of changes: they run up to the next instance's start.
struct FoundInstance {
    StepPattern pattern;
    std::size_t firstChange = 0;
};

} // namespace orvane::grader
