#include "core/play/CellNavigation.h"

namespace orvane {

namespace {

constexpr int CentreLine = (BoardSize + 1) / 2;

bool IsGiven(const std::array<bool, CellCount>& givens, CellPlace place)
{
    return givens[std::size_t(CellIndex(place))];
}

// One step along a line of 1..9, round past the ends.
int Wrapped(int position, int step) { return (position - 1 + step + BoardSize) % BoardSize + 1; }

} // namespace

CellPlace NextOpenCell(const std::array<bool, CellCount>& givens, CellPlace from, MoveDirection direction)
{
    const bool alongRow = direction == MoveDirection::Left || direction == MoveDirection::Right;
    const int step = direction == MoveDirection::Left || direction == MoveDirection::Up ? -1 : 1;
    CellPlace next = from;
    for (int moved = 1; moved < BoardSize; ++moved) {
        if (alongRow)
            next.x = Wrapped(next.x, step);
        else
            next.y = Wrapped(next.y, step);
        if (!IsGiven(givens, next))
            return next;
    }
    return from;
}

std::optional<CellPlace> OpenCellNearestCentre(const std::array<bool, CellCount>& givens)
{
    std::optional<CellPlace> nearest;
    int nearestDistance = 0;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (IsGiven(givens, CellPlace{x, y}))
                continue;
            const int distance = (x - CentreLine) * (x - CentreLine) + (y - CentreLine) * (y - CentreLine);
            if (!nearest || distance < nearestDistance) {
                nearest = CellPlace{x, y};
                nearestDistance = distance;
            }
        }
    return nearest;
}

} // namespace orvane
