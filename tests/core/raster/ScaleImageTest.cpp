#include "core/raster/ScaleImage.h"

#include "core/base/DpiScale.h"

#include "Pictures.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

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

TEST(ScaleImage, WholeFactorsRepeatEveryPixelAndNinetySixCopies)
{
    const Bitmap corner = Picture({"AB", "CD"});
    const struct {
        unsigned dpi;
        std::vector<std::string> expected;
    } cases[] = {
        {96, {"AB", "CD"}},
        {192, {"AABB", "AABB", "CCDD", "CCDD"}},
        {288, {"AAABBB", "AAABBB", "AAABBB", "CCCDDD", "CCCDDD", "CCCDDD"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rows(ScaleImageForDpi(corner, c.dpi)), c.expected) << c.dpi;
}

TEST(ScaleImage, SidesAreScaledLengthsAndSettingsAreKept)
{
    Bitmap image(7, 3, 0x00FFFFFF);
    image.BitsPerPixel = 8;
    image.Transparent = true;
    image.TransparentColor = 0xFF00FF;
    const struct {
        unsigned dpi;
        int width, height;
    } cases[] = {{96, 7, 3}, {120, 9, 4}, {144, 11, 5}, {192, 14, 6}, {72, 5, 2}};
    for (const auto& c : cases) {
        const Bitmap scaled = ScaleImageForDpi(image, c.dpi);
        EXPECT_EQ(scaled.Width(), c.width) << c.dpi;
        EXPECT_EQ(scaled.Height(), c.height) << c.dpi;
        EXPECT_EQ(scaled.BitsPerPixel, 8);
        EXPECT_TRUE(scaled.Transparent);
        EXPECT_EQ(scaled.TransparentColor, 0xFF00FFu);
    }
    EXPECT_TRUE(ScaleImageForDpi(Bitmap{}, 144).Empty());
}

TEST(ScaleImage, FractionalFactorsAverageTheCoveredArea)
{
    const struct {
        std::vector<Color> source;
        unsigned dpi;
        std::vector<Color> expected;
    } cases[] = {
        {{0, 120}, 144, {0, 60, 120}},           // the seam blends
        {{0, 90, 180}, 144, {0, 30, 90, 150, 180}},
        {{40, 80, 120, 160}, 120, {40, 70, 100, 130, 160}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GreyLevels(ScaleImageForDpi(GreyRow(c.source), c.dpi)), c.expected) << c.dpi;
}

TEST(ScaleImage, FramesOfAStripAreScaledApart)
{
    // Two frames of two pixels: scaled as one picture, the black frame's
    // last pixel would take some of the white frame's.
    const Bitmap strip = GreyRow({0, 0, 200, 200});
    for (unsigned dpi : {120u, 144u, 192u}) {
        const Bitmap scaled = ScaleImageForDpi(strip, dpi, 2);
        const int frame = scaled.Width() / 2;
        ASSERT_EQ(scaled.Width(), 2 * ScaleForDpi(2, dpi)) << dpi;
        for (int x = 0; x < scaled.Width(); ++x)
            EXPECT_EQ(scaled.ColorAt(x, 0) & 0xFFu, x < frame ? 0u : 200u) << dpi << " x " << x;
    }
    // A count that does not divide the width: one frame.
    EXPECT_EQ(ScaleImageForDpi(strip, 144, 3).Width(), 6);
}

TEST(ScaleImage, TransparentPixelsAreNeitherBlendedNorLetThinLinesVanish)
{
    // A rounded corner: '.' is the transparent colour, L the outline one
    // pixel wide, F the fill. Every row and column has opaque pixels, and the
    // corner's first pixel is cut away.
    Bitmap corner = Picture({"...L", "..LF", ".LFF", "LFFF"});
    corner.Transparent = true;
    corner.TransparentColor = Color('.');
    for (unsigned dpi : {120u, 144u, 168u}) {
        const Bitmap scaled = ScaleImageForDpi(corner, dpi);
        std::vector<bool> rowOpaque(std::size_t(scaled.Height()));
        std::vector<bool> columnOpaque(std::size_t(scaled.Width()));
        for (int y = 0; y < scaled.Height(); ++y)
            for (int x = 0; x < scaled.Width(); ++x) {
                const Color color = scaled.ColorAt(x, y);
                if (color == Color('.'))
                    continue;
                // Outline and fill blend; the transparent colour never enters.
                EXPECT_GE(color, Color('F')) << dpi;
                EXPECT_LE(color, Color('L')) << dpi;
                rowOpaque[std::size_t(y)] = true;
                columnOpaque[std::size_t(x)] = true;
            }
        EXPECT_EQ(rowOpaque, std::vector<bool>(rowOpaque.size(), true)) << dpi;
        EXPECT_EQ(columnOpaque, std::vector<bool>(columnOpaque.size(), true)) << dpi;
        EXPECT_EQ(scaled.ColorAt(0, 0), Color('.')) << dpi;
        EXPECT_EQ(scaled.ColorAt(scaled.Width() - 1, scaled.Height() - 1), Color('F')) << dpi;
    }
}

} // namespace
} // namespace orvane
