#include "core/grader/CandidateBoard.h"

namespace orvane::grader {

CandidateBoard::CandidateBoard() { cellCandidates.fill(AllDigits); }

CandidateBoard CandidateBoard::FromPuzzle(const Grid& puzzle)
{
    CandidateBoard board;
    for (int cell = 0; cell < CellCount; ++cell)
        if (puzzle[cell] != 0)
            board.Place(cell, puzzle[cell]);
    return board;
}

CandidateBoard CandidateBoard::FromCandidates(const std::array<std::uint16_t, CellCount>& candidates)
{
    CandidateBoard board;
    board.cellCandidates = candidates;
    return board;
}

void CandidateBoard::AttachSolution(const Grid& solution)
{
    referenceSolution = solution;
    hasSolution = true;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (values[cell] != 0 && values[cell] != solution[cell])
            faultFound = true;
        if (values[cell] == 0 && !HasCandidate(cell, solution[cell]))
            faultFound = true;
    }
}

std::uint16_t CandidateBoard::Positions(int unit, int digit) const
{
    const std::uint16_t bit = DigitBit(digit);
    std::uint16_t positions = 0;
    const auto& cells = Tables().unitCells[unit];
    for (int i = 0; i < GridSide; ++i)
        if (cellCandidates[cells[i]] & bit)
            positions |= static_cast<std::uint16_t>(1u << i);
    return positions;
}

std::uint16_t CandidateBoard::PlacedDigits(int unit) const
{
    std::uint16_t placed = 0;
    for (int cell : Tables().unitCells[unit])
        if (values[cell] != 0)
            placed |= DigitBit(values[cell]);
    return placed;
}

void CandidateBoard::Place(int cell, int digit)
{
    if (hasSolution && referenceSolution[cell] != digit)
        faultFound = true;
    if (recordingChanges)
        changes.push_back({cell, digit, true});
    values[cell] = static_cast<std::uint8_t>(digit);
    cellCandidates[cell] = 0;
    const std::uint16_t keep = static_cast<std::uint16_t>(~DigitBit(digit));
    for (int peer : Tables().peers[cell])
        cellCandidates[peer] &= keep;
}

bool CandidateBoard::Eliminate(int cell, int digit)
{
    if (!HasCandidate(cell, digit))
        return false;
    if (hasSolution && referenceSolution[cell] == digit)
        faultFound = true;
    if (recordingChanges)
        changes.push_back({cell, digit, false});
    cellCandidates[cell] &= static_cast<std::uint16_t>(~DigitBit(digit));
    return true;
}

bool CandidateBoard::IsSolved() const
{
    for (auto value : values)
        if (value == 0)
            return false;
    return true;
}

bool CandidateBoard::IsBroken() const
{
    for (int cell = 0; cell < CellCount; ++cell)
        if (values[cell] == 0 && cellCandidates[cell] == 0)
            return true;
    for (int unit = 0; unit < UnitCount; ++unit) {
        std::uint16_t covered = PlacedDigits(unit);
        for (int cell : Tables().unitCells[unit])
            covered |= cellCandidates[cell];
        if (covered != AllDigits)
            return true;
    }
    return false;
}

StepPattern PatternOf(const CandidateBoard& board, std::vector<int> units, std::vector<int> cells,
                      std::uint16_t digits)
{
    StepPattern pattern{std::move(units), std::move(cells), {}};
    for (int cell : pattern.cells)
        for (int digit = 1; digit <= DigitCount; ++digit)
            if ((digits & DigitBit(digit)) && board.HasCandidate(cell, digit))
                pattern.candidates.push_back({cell, digit});
    return pattern;
}

} // namespace orvane::grader
