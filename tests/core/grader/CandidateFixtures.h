#pragma once

#include "core/grader/CandidateBoard.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace orvane::grader::fixtures {

// Fixtures are candidate boards: every cell open with all nine candidates,
// then narrowed so that exactly one pattern is present. rNcM counts from 1.
using Candidates = std::array<std::uint16_t, CellCount>;

constexpr int Cell(int row, int column) { return (row - 1) * GridSide + (column - 1); }

inline std::uint16_t Digits(std::initializer_list<int> digits)
{
    std::uint16_t mask = 0;
    for (int digit : digits)
        mask |= DigitBit(digit);
    return mask;
}

// Leaves digit only in the listed cells of unit.
inline void KeepOnly(Candidates& board, int unit, int digit, std::initializer_list<int> keep)
{
    for (int cell : Tables().unitCells[unit])
        if (std::find(keep.begin(), keep.end(), cell) == keep.end())
            board[cell] &= static_cast<std::uint16_t>(~DigitBit(digit));
}

} // namespace orvane::grader::fixtures
