#include "core/puzzle/BoardGeometry.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(BoardGeometry, PlacesCellsAndLinesOfTheStandardBoard)
{
    const int pitch = CellPitch(BoardPixels);
    ASSERT_EQ(pitch, 50);
    const int starts[] = {2, 51, 101, 151, 201, 251, 301, 351, 401};
    const int extents[] = {48, 48, 48, 48, 48, 48, 48, 48, 47};
    for (int i = 1; i <= BoardCells; ++i) {
        EXPECT_EQ(CellStart(i, pitch), starts[i - 1]) << i;
        EXPECT_EQ(CellExtent(i, pitch), extents[i - 1]) << i;
    }
    const int positions[] = {1, 50, 100, 150, 200, 250, 300, 350, 399, 449};
    const int widths[] = {2, 1, 1, 2, 1, 1, 2, 1, 1, 2};
    for (int k = 1; k <= GridLineCount; ++k) {
        EXPECT_EQ(GridLinePosition(k, pitch), positions[k - 1]) << k;
        EXPECT_EQ(GridLinePenWidth(k), widths[k - 1]) << k;
    }
}

} // namespace
} // namespace orvane
