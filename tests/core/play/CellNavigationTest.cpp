#include "core/play/CellNavigation.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

std::array<bool, CellCount> Givens(std::initializer_list<CellPlace> places)
{
    std::array<bool, CellCount> givens{};
    for (const CellPlace place : places)
        givens[std::size_t(CellIndex(place))] = true;
    return givens;
}

TEST(CellNavigation, ArrowsSkipGivensAndWrapWithinTheLine)
{
    const std::array<bool, CellCount> givens =
        Givens({{8, 4}, {9, 4}, {1, 4}, {5, 1}, {5, 9}, {5, 8}, {3, 6}, {3, 7}, {2, 2}});
    // Row 6 holds nothing but givens apart from (6, 6).
    std::array<bool, CellCount> lonely{};
    for (int x = 1; x <= 9; ++x)
        lonely[std::size_t(CellIndex(x, 6))] = x != 6;

    const struct {
        const char* what;
        const std::array<bool, CellCount>& givens;
        CellPlace from;
        MoveDirection direction;
        CellPlace to;
    } cases[] = {
        {"right to a neighbour", givens, {4, 5}, MoveDirection::Right, {5, 5}},
        {"left to a neighbour", givens, {4, 5}, MoveDirection::Left, {3, 5}},
        {"up to a neighbour", givens, {4, 5}, MoveDirection::Up, {4, 4}},
        {"down to a neighbour", givens, {4, 5}, MoveDirection::Down, {4, 6}},
        {"right over givens and round the edge", givens, {7, 4}, MoveDirection::Right, {2, 4}},
        {"left round the edge over a given", givens, {2, 4}, MoveDirection::Left, {7, 4}},
        {"right from the last column", givens, {9, 3}, MoveDirection::Right, {1, 3}},
        {"left from the first column", givens, {1, 3}, MoveDirection::Left, {9, 3}},
        {"down round the bottom over givens", givens, {5, 7}, MoveDirection::Down, {5, 2}},
        {"up round the top over a given", givens, {5, 2}, MoveDirection::Up, {5, 7}},
        {"down over two givens", givens, {3, 5}, MoveDirection::Down, {3, 8}},
        {"up from the first row", givens, {7, 1}, MoveDirection::Up, {7, 9}},
        {"a line with no other open cell", lonely, {6, 6}, MoveDirection::Right, {6, 6}},
        {"that line's column is open", lonely, {6, 6}, MoveDirection::Down, {6, 7}},
    };
    for (const auto& c : cases) {
        const CellPlace to = NextOpenCell(c.givens, c.from, c.direction);
        EXPECT_EQ(to, c.to) << c.what << ": " << to.x << "," << to.y;
    }
}

TEST(CellNavigation, TheFirstArrowFindsTheOpenCellNearestTheCentre)
{
    const struct {
        const char* what;
        std::array<bool, CellCount> givens;
        std::optional<CellPlace> nearest;
    } cases[] = {
        {"the centre itself", Givens({}), CellPlace{5, 5}},
        {"the centre a given: the one above, first row by row", Givens({{5, 5}}), CellPlace{5, 4}},
        {"the centre and the cell above given", Givens({{5, 5}, {5, 4}}), CellPlace{4, 5}},
        {"the centre and its four neighbours given", Givens({{5, 5}, {5, 4}, {4, 5}, {6, 5}, {5, 6}}),
         CellPlace{4, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenCellNearestCentre(c.givens), c.nearest) << c.what;

    std::array<bool, CellCount> full{};
    full.fill(true);
    EXPECT_EQ(OpenCellNearestCentre(full), std::nullopt);
    full[std::size_t(CellIndex(9, 9))] = false;
    EXPECT_EQ(OpenCellNearestCentre(full), (CellPlace{9, 9}));
}

} // namespace
} // namespace orvane
