#include "core/raster/StretchHalftone.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

Bitmap GreyRow(const std::vector<Color>& levels)
{
    Bitmap bitmap(int(levels.size()), 1);
    for (int x = 0; x < bitmap.Width(); ++x)
        bitmap.SetColorAt(x, 0, levels[std::size_t(x)] * 0x010101u);
    return bitmap;
}

std::vector<Color> GreyLevels(const Bitmap& bitmap, int y = 0)
{
    std::vector<Color> levels;
    for (int x = 0; x < bitmap.Width(); ++x)
        levels.push_back(bitmap.ColorAt(x, y) & 0xFFu);
    return levels;
}

TEST(StretchHalftone, AveragesTheSourceAreaUnderEachPixel)
{
    const struct {
        std::vector<Color> source;
        int width;
        std::vector<Color> expected;
    } cases[] = {
        {{0, 255}, 1, {128}},                  // rounded mean
        {{10, 20, 30, 50}, 2, {15, 40}},      // pairs
        {{0, 90, 180}, 2, {30, 150}},          // the middle pixel shared half and half
        {{7, 9, 11}, 3, {7, 9, 11}},           // same size: an exact copy
        {{0, 120}, 4, {0, 0, 120, 120}},       // enlarging repeats
        {{0, 120}, 3, {0, 60, 120}},           // and blends at the seam
    };
    for (const auto& c : cases) {
        Bitmap target(c.width, 1);
        Canvas canvas(target);
        StretchHalftone(GreyRow(c.source), canvas, Rect{0, 0, c.width, 1});
        EXPECT_EQ(GreyLevels(target), c.expected);
    }
}

TEST(StretchHalftone, AveragesBothAxesAndKeepsChannelsApart)
{
    Bitmap source(2, 2);
    source.SetColorAt(0, 0, 0x0000FF);
    source.SetColorAt(1, 0, 0x00FF00);
    source.SetColorAt(0, 1, 0xFF0000);
    source.SetColorAt(1, 1, 0x000000);
    Bitmap target(1, 1);
    Canvas canvas(target);
    StretchHalftone(source, canvas, Rect{0, 0, 1, 1});
    EXPECT_EQ(target.ColorAt(0, 0), 0x404040u);
}

TEST(StretchHalftone, ClipsToTheCanvasWithoutChangingTheScale)
{
    Bitmap target(2, 1, 0xFFFFFFFFu);
    Canvas canvas(target);
    // Destination x = -2..2: the visible half shows the source's right half.
    StretchHalftone(GreyRow({10, 20}), canvas, Rect{-2, 0, 2, 1});
    EXPECT_EQ(GreyLevels(target), (std::vector<Color>{20, 20}));
}

} // namespace
} // namespace orvane
