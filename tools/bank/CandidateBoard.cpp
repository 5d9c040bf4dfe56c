#include "CandidateBoard.h"

namespace orvane::bank {

CandidateBoard::CandidateBoard() { candidates_.fill(AllDigits); }

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
    board.candidates_ = candidates;
    return board;
}

void CandidateBoard::AttachSolution(const Grid& solution)
{
    solution_ = solution;
    hasSolution_ = true;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (values_[cell] != 0 && values_[cell] != solution[cell])
            faulty_ = true;
        if (values_[cell] == 0 && !HasCandidate(cell, solution[cell]))
            faulty_ = true;
    }
}

std::uint16_t CandidateBoard::Positions(int unit, int digit) const
{
    const std::uint16_t bit = DigitBit(digit);
    std::uint16_t positions = 0;
    const auto& cells = Tables().unitCells[unit];
    for (int i = 0; i < GridSide; ++i)
        if (candidates_[cells[i]] & bit)
            positions |= static_cast<std::uint16_t>(1u << i);
    return positions;
}

std::uint16_t CandidateBoard::PlacedDigits(int unit) const
{
    std::uint16_t placed = 0;
    for (int cell : Tables().unitCells[unit])
        if (values_[cell] != 0)
            placed |= DigitBit(values_[cell]);
    return placed;
}

void CandidateBoard::Place(int cell, int digit)
{
    if (hasSolution_ && solution_[cell] != digit)
        faulty_ = true;
    if (recording_)
        changes_.push_back({cell, digit, true});
    values_[cell] = static_cast<std::uint8_t>(digit);
    candidates_[cell] = 0;
    const std::uint16_t keep = static_cast<std::uint16_t>(~DigitBit(digit));
    for (int peer : Tables().peers[cell])
        candidates_[peer] &= keep;
}

bool CandidateBoard::Eliminate(int cell, int digit)
{
    if (!HasCandidate(cell, digit))
        return false;
    if (hasSolution_ && solution_[cell] == digit)
        faulty_ = true;
    if (recording_)
        changes_.push_back({cell, digit, false});
    candidates_[cell] &= static_cast<std::uint16_t>(~DigitBit(digit));
    return true;
}

bool CandidateBoard::IsSolved() const
{
    for (auto value : values_)
        if (value == 0)
            return false;
    return true;
}

bool CandidateBoard::IsBroken() const
{
    for (int cell = 0; cell < CellCount; ++cell)
        if (values_[cell] == 0 && candidates_[cell] == 0)
            return true;
    for (int unit = 0; unit < UnitCount; ++unit) {
        std::uint16_t covered = PlacedDigits(unit);
        for (int cell : Tables().unitCells[unit])
            covered |= candidates_[cell];
        if (covered != AllDigits)
            return true;
    }
    return false;
}

} // namespace orvane::bank
