#include "core/raster/Rotate.h"

#include "Pictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

TEST(Rotate, TurnsANonSquareBitmap)
{
    const struct {
        const char* name;
        void (*turn)(Bitmap&);
        std::vector<std::string> expected;
    } cases[] = {
        // (x, y) -> (y, w - 1 - x)
        {"anticlockwise", RotateCCW90, {"CF", "BE", "AD"}},
        // (x, y) -> (w - 1 - x, h - 1 - y)
        {"half turn", Rotate180, {"FED", "CBA"}},
        // (x, y) -> (h - 1 - y, x)
        {"clockwise", RotateCW90, {"DA", "EB", "FC"}},
    };
    for (const auto& c : cases) {
        Bitmap bitmap = Picture({"ABC", "DEF"});
        bitmap.BitsPerPixel = 24;
        bitmap.Transparent = true;
        c.turn(bitmap);
        EXPECT_EQ(Rows(bitmap), c.expected) << c.name;
        EXPECT_EQ(bitmap.BitsPerPixel, 24) << c.name;
        EXPECT_TRUE(bitmap.Transparent) << c.name;
    }
}

TEST(Rotate, OppositeTurnsCancel)
{
    const Bitmap original = Picture({"ABCD", "EFGH", "IJKL"});
    Bitmap bitmap = original;
    RotateCCW90(bitmap);
    RotateCW90(bitmap);
    EXPECT_EQ(bitmap, original);
    RotateCCW90(bitmap);
    RotateCCW90(bitmap);
    Rotate180(bitmap);
    EXPECT_EQ(bitmap, original);
}

} // namespace
} // namespace orvane
