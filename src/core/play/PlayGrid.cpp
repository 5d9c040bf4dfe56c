#include "core/play/PlayGrid.h"

#include "core/puzzle/BoardGeometry.h"

namespace orvane {

namespace {

using PeerTable = std::array<std::array<int, PeerCount>, CellCount>;

PeerTable MakePeerTable()
{
    PeerTable table{};
    for (int index = 0; index < CellCount; ++index) {
        std::size_t found = 0;
        for (int other = 0; other < CellCount; ++other)
            if (other != index && ShareAUnit(PlaceOf(index), PlaceOf(other)))
                table[std::size_t(index)][found++] = other;
    }
    return table;
}

bool IsOpen(const PlayGrid& grid, int index) { return !grid.givens[std::size_t(index)]; }

} // namespace

bool ShareAUnit(CellPlace a, CellPlace b)
{
    const bool sameBox = (a.x - 1) / BoxCells == (b.x - 1) / BoxCells && (a.y - 1) / BoxCells == (b.y - 1) / BoxCells;
    return a.x == b.x || a.y == b.y || sameBox;
}

const std::array<int, PeerCount>& PeersOf(int index)
{
    static const PeerTable table = MakePeerTable();
    return table[std::size_t(index)];
}

MarkSet AllowedDigits(const PlayGrid& grid, int index)
{
    MarkSet allowed = AllMarks;
    for (int peer : PeersOf(index))
        if (const int digit = grid.cells[std::size_t(peer)].Digit(); digit != 0)
            allowed &= MarkSet(~MarkOf(digit));
    return allowed;
}

void EnterDigit(PlayGrid& grid, int index, int digit, AutoClean autoClean)
{
    if (!IsOpen(grid, index))
        return;
    CellState& cell = grid.cells[std::size_t(index)];
    cell.value = digit;
    cell.shown = digit >= 1;
    if (autoClean == AutoClean::Off || !IsPlayDigit(digit))
        return;
    for (int peer : PeersOf(index))
        grid.cells[std::size_t(peer)].marks &= MarkSet(~MarkOf(digit));
}

void ToggleMark(PlayGrid& grid, int index, int digit)
{
    CellState& cell = grid.cells[std::size_t(index)];
    if (!IsOpen(grid, index) || cell.Digit() != 0 || !IsPlayDigit(digit))
        return;
    cell.marks ^= MarkOf(digit);
}

void EraseCell(PlayGrid& grid, int index)
{
    if (!IsOpen(grid, index))
        return;
    CellState& cell = grid.cells[std::size_t(index)];
    if (cell.Digit() != 0) {
        cell.value = 0;
        cell.shown = false;
        return;
    }
    cell.marks = 0;
}

void ClearCellMarks(PlayGrid& grid, int index)
{
    if (IsOpen(grid, index))
        grid.cells[std::size_t(index)].marks = 0;
}

void FillCandidates(PlayGrid& grid)
{
    // Every cell's candidates come from the digits as they were before the
    // fill; marks never count as digits, so the order does not matter.
    for (int index = 0; index < CellCount; ++index)
        if (IsOpen(grid, index) && grid.cells[std::size_t(index)].Digit() == 0)
            grid.cells[std::size_t(index)].marks = AllowedDigits(grid, index);
}

std::array<bool, CellCount> RepeatedDigits(const PlayGrid& grid)
{
    std::array<bool, CellCount> repeated{};
    for (int index = 0; index < CellCount; ++index) {
        const int digit = grid.cells[std::size_t(index)].Digit();
        if (digit == 0)
            continue;
        for (int peer : PeersOf(index))
            if (grid.cells[std::size_t(peer)].Digit() == digit)
                repeated[std::size_t(index)] = true;
    }
    return repeated;
}

} // namespace orvane
