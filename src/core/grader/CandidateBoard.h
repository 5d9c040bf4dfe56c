#pragma once

#include "core/grader/Grid.h"
#include "core/grader/StepPattern.h"

#include <vector>

namespace orvane::grader {

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

    // A copy for an assumption: without the reference solution (a false
    // assumption is no fault) and without recording.
    CandidateBoard Hypothesis() const
    {
        CandidateBoard copy;
        copy.cellCandidates = cellCandidates;
        copy.values = values;
        return copy;
    }

    std::uint16_t Candidates(int cell) const { return cellCandidates[cell]; }
    bool HasCandidate(int cell, int digit) const { return cellCandidates[cell] & DigitBit(digit); }
    int Value(int cell) const { return values[cell]; }
    bool IsOpen(int cell) const { return values[cell] == 0; }

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
    bool Faulty() const { return faultFound; }

    Grid Values() const { return values; }

    // What each deduction did, in order, when recording is switched on.
    struct Change {
        int cell;
        int digit;
        bool placed; // false: eliminated
        friend bool operator==(const Change&, const Change&) = default;
    };
    void RecordChanges(bool on) { recordingChanges = on; }
    const std::vector<Change>& Changes() const { return changes; }

    // With a list attached (and changes recorded), each technique announces
    // every instance it finds before that instance's changes: what a hint
    // shows of a step. Without one, an announcement costs a test and builds
    // nothing. A copy for an assumption announces nothing.
    void RecordInstances(std::vector<FoundInstance>* list) { instances = list; }
    bool RecordingInstances() const { return instances != nullptr; }
    template <typename MakePattern>
    void Announce(MakePattern makePattern)
    {
        if (instances)
            instances->push_back({makePattern(), changes.size()});
    }

private:
    std::array<std::uint16_t, CellCount> cellCandidates;
    Grid values{};
    Grid referenceSolution{};
    bool hasSolution = false;
    bool faultFound = false;
    bool recordingChanges = false;
    std::vector<Change> changes;
    std::vector<FoundInstance>* instances = nullptr;
};

// The pattern of an instance: its units and cells, and as its candidates
// every digit of `digits` that one of the cells still holds.
StepPattern PatternOf(const CandidateBoard& board, std::vector<int> units, std::vector<int> cells,
                      std::uint16_t digits);

} // namespace orvane::grader
