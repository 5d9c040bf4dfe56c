#include "core/raster/ReplaceColor.h"

#include "Pictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

TEST(ReplaceColor, ReplacesExactlyTheOldColourAndConvertsTo24Bits)
{
    Bitmap bitmap = Picture({"abca", "aBb."});
    bitmap.At(3, 0) |= 0xFF000000u; // a 32-bit pixel: the X byte is not part of the colour
    ReplaceColor(bitmap, 'a', 'z');
    EXPECT_EQ(Rows(bitmap), (std::vector<std::string>{"zbcz", "zBb."}));
    EXPECT_EQ(bitmap.BitsPerPixel, 24);
    EXPECT_EQ(bitmap.At(3, 0) >> 24, 0u);
}

TEST(ReplaceColor, TheMissingColourMatchesNoPixel)
{
    Bitmap bitmap(2, 1, 0x00FFFFFFu);
    ReplaceColor(bitmap, 0xFFFFFFFFu, 'z');
    EXPECT_EQ(bitmap.ColorAt(0, 0), 0xFFFFFFu);
}

} // namespace
} // namespace orvane
