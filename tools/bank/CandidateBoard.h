#pragma once

#include "Grid.h"

#include <vector>

namespace orvane::bank {

// The pencil-mark board of the logical solver: for every open cell the digits
// still possible there. A placed cell has no candidates left and holds its
// digit; placing removes the digit from the peers.
//
// With a reference solution attached, every placement and elimination is
// compared with it, so that a faulty deduction shows up as Faulty() instead of
// as a puzzle graded or solved wrongly.
class CandidateBoard {
public:
    // Every cell open with all nine candidates.
    CandidateBoard();

    // Places the givens of puzzle (in cell order).
    static CandidateBoard FromPuzzle(const Grid& puzzle);

    // Open cells with the given candidate masks, as a fixture for one technique.
    static CandidateBoard FromCandidates(const std::array<std::uint16_t, CellCount>& candidates);

    void AttachSolution(const Grid& solution);

    std::uint16_t Candidates(int cell) const { return candidates_[cell]; }
    bool HasCandidate(int cell, int digit) const { return candidates_[cell] & DigitBit(digit); }
    int Value(int cell) const { return values_[cell]; }
    bool IsOpen(int cell) const { return values_[cell] == 0; }

    // The places left for digit in unit: bit i stands for the unit's i-th cell.
    std::uint16_t Positions(int unit, int digit) const;
    // The digits already placed in unit.
    std::uint16_t PlacedDigits(int unit) const;

    void Place(int cell, int digit);
    // Removes one candidate; false when it was not there.
    bool Eliminate(int cell, int digit);

    bool IsSolved() const;
    // An open cell without candidates or a missing digit without a place.
    bool IsBroken() const;
    bool Faulty() const { return faulty_; }

    Grid Values() const { return values_; }

    // What each deduction did, in order, when recording is switched on.
    struct Change {
        int cell;
        int digit;
        bool placed; // false: eliminated
        friend bool operator==(const Change&, const Change&) = default;
    };
    void RecordChanges(bool on) { recording_ = on; }
    const std::vector<Change>& Changes() const { return changes_; }

private:
    std::array<std::uint16_t, CellCount> candidates_;
    Grid values_{};
    Grid solution_{};
    bool hasSolution_ = false;
    bool faulty_ = false;
    bool recording_ = false;
    std::vector<Change> changes_;
};

} // namespace orvane::bank
