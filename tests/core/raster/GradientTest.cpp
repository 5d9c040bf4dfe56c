#include "core/raster/Gradient.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

std::vector<Color> Column(const Bitmap& bitmap, int x)
{
    std::vector<Color> colors;
    for (int y = 0; y < bitmap.Height(); ++y)
        colors.push_back(bitmap.ColorAt(x, y));
    return colors;
}

std::vector<Color> Row(const Bitmap& bitmap, int y)
{
    std::vector<Color> colors;
    for (int x = 0; x < bitmap.Width(); ++x)
        colors.push_back(bitmap.ColorAt(x, y));
    return colors;
}

TEST(FillGradientV, RowsBetweenTheEndsStepWithTruncationTowardZero)
{
    const struct {
        int rows;
        Color top, bottom;
        std::vector<Color> expected;
    } cases[] = {
        {2, 0x102030, 0x405060, {0x102030, 0x405060}},  // only the two end colours
        {5, 0x000000, 0x000007, {0, 0, 1, 2, 7}},      // 7/5 per row, the first step repeats the top
        {5, 0x000007, 0x000000, {7, 7, 6, 5, 0}},      // truncated toward zero, not down
        {4, 0x00FF00, 0x0000FF, {0x00FF00, 0x00FF00, 0x00C03F, 0x0000FF}}, // channels apart
    };
    for (const auto& c : cases) {
        Bitmap target(2, c.rows);
        Canvas canvas(target);
        FillGradientV(canvas, Rect{0, 0, 2, c.rows}, c.top, c.bottom);
        EXPECT_EQ(Column(target, 0), c.expected) << c.rows << " rows";
        EXPECT_EQ(Column(target, 1), c.expected);
    }
}

TEST(FillGradientH, ColumnsStepFromTheLeftEdge)
{
    Bitmap target(5, 1);
    Canvas canvas(target);
    FillGradientH(canvas, Rect{0, 0, 5, 1}, 0x000000, 0x000007);
    EXPECT_EQ(Row(target, 0), (std::vector<Color>{0, 1, 2, 4, 7}));
}

TEST(FillGradient, AnEmptyRectangleDrawsNothing)
{
    Bitmap target(3, 3, 0x00ABCDEFu);
    Canvas canvas(target);
    FillGradientV(canvas, Rect{0, 1, 3, 1}, 0, 0);
    FillGradientV(canvas, Rect{0, 2, 3, 1}, 0, 0);
    FillGradientH(canvas, Rect{2, 0, 2, 3}, 0, 0);
    EXPECT_EQ(target, Bitmap(3, 3, 0x00ABCDEFu));
}

} // namespace
} // namespace orvane
