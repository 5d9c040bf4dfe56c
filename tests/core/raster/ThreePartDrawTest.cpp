#include "core/raster/ThreePartDraw.h"

#include "Pictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

TEST(DrawThreePartH, KeepsTheEndsAndStretchesTheMiddle)
{
    const Bitmap image = Picture({"abcdefg"}); // three parts of 2; column 6 unused
    const struct {
        int width;
        std::string expected;
    } cases[] = {
        {10, "abcccdddef"},
        {4, "abef......"},
        {1, "a........."}, // narrower than one part: part 0 cut to the width
    };
    for (const auto& c : cases) {
        Bitmap target = Picture({".........."});
        Canvas canvas(target);
        DrawThreePartH(image, canvas, Rect{0, 0, c.width, 1}, 0, MaskedDraw::Opaque);
        EXPECT_EQ(Rows(target)[0], c.expected) << "width " << c.width;
    }
}

TEST(DrawThreePartH, MaskedLeavesTheTransparentColourOutOfEveryPart)
{
    const Bitmap image = Picture({"#b#d#f"});
    Bitmap target = Picture({"........"});
    Canvas canvas(target);
    DrawThreePartH(image, canvas, Rect{0, 0, 8, 1}, '#', MaskedDraw::Masked);
    EXPECT_EQ(Rows(target)[0], ".b..dd.f");
}

TEST(DrawThreePartV, CapsAtTheEndsAndTheMiddleSpread)
{
    Bitmap image = Picture({"a", "b", "m", "m", "y", "z"});
    Bitmap target(2, 9);
    Canvas canvas(target);
    DrawThreePartV(image, canvas, Rect{0, 0, 2, 9}, 2);
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"aa", "bb", "mm", "mm", "mm", "mm", "mm", "yy", "zz"}));
    EXPECT_EQ(image.BitsPerPixel, 24);

    // Cap height 0 means a third of the image: rows "ab" / "yz" again.
    Bitmap second(1, 6);
    Canvas secondCanvas(second);
    DrawThreePartV(image, secondCanvas, Rect{0, 0, 1, 6}, 0);
    EXPECT_EQ(Rows(second), (std::vector<std::string>{"a", "b", "m", "m", "y", "z"}));
}

TEST(DrawThreePartHCap, CapsAtTheSidesAndTheMiddleSpread)
{
    Bitmap image = Picture({"abmmyz", "ABMMYZ"});
    Bitmap target = Picture({"........", "........", "........"});
    Canvas canvas(target);
    DrawThreePartHCap(image, canvas, Rect{0, 0, 8, 2}, 2);
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"abmmmmyz", "ABMMMMYZ", "........"}));
}

TEST(ThreePartDraw, VerticalAndCappedDrawsStayInsideTheirRectangle)
{
    Bitmap image = Picture({"a", "b", "m", "y", "z"});
    Bitmap target = Picture({".", ".", ".", "."});
    Canvas canvas(target);
    // A rectangle lower than both caps: nothing below it changes.
    DrawThreePartV(image, canvas, Rect{0, 0, 1, 3}, 2);
    EXPECT_EQ(Rows(target)[3], ".");

    Bitmap untouched = Picture({".."});
    Canvas untouchedCanvas(untouched);
    DrawThreePartV(image, untouchedCanvas, Rect{-1, 0, 2, 1}, 2); // a negative left draws nothing
    DrawThreePartHCap(image, untouchedCanvas, Rect{-1, 0, 2, 1}, 2);
    EXPECT_EQ(Rows(untouched)[0], "..");
}

} // namespace
} // namespace orvane
