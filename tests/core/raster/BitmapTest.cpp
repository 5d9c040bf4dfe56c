#include "core/raster/Bitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <stdexcept>

namespace orvane {
namespace {

TEST(Bitmap, PixelCountsThatCannotBeHeldAreRefusedBeforeAllocating)
{
    EXPECT_EQ(Bitmap::PixelCount(3, 2), 6u);
    EXPECT_EQ(Bitmap::PixelCount(0, 5), 0u);
    EXPECT_EQ(Bitmap::PixelCount(-4, 5), 0u);

    // 2^16 x 2^16 is 2^32 pixels: a 32-bit size_t product wraps to 0, and a
    // buffer of that size would take every row written into it out of bounds.
    const auto wrapping = Bitmap::PixelCount(65536, 65536);
    if (sizeof(std::size_t) < 8)
        EXPECT_FALSE(wrapping);
    else
        EXPECT_EQ(wrapping, std::uint64_t(1) << 32);

    // Past what a pixel vector holds on any platform; in 32 bits the product
    // wraps to 1.
    EXPECT_FALSE(Bitmap::PixelCount(INT_MAX, INT_MAX));
    EXPECT_THROW(Bitmap(INT_MAX, INT_MAX), std::length_error);
    Bitmap bitmap(2, 2, 7);
    EXPECT_THROW(bitmap.SetSize(INT_MAX, INT_MAX), std::length_error);
    EXPECT_EQ(bitmap, Bitmap(2, 2, 7)); // a refused size leaves the bitmap as it was
}

} // namespace
} // namespace orvane
