#include "core/raster/NineSlice.h"

#include "Pictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

// 6 x 7: corners of 3 x 3 (top-left), 2 x 3 (top-right), 3 x 2 and 2 x 2
// (bottom), one middle column (d j p v B H N) and one middle row (s t u v w x).
Bitmap Source()
{
    return Picture({"abcdef", "ghijkl", "mnopqr", "stuvwx", "yzABCD", "EFGHIJ", "KLMNOP"});
}

Bitmap Blank(int width, int height) { return Picture(std::vector<std::string>(std::size_t(height), std::string(std::size_t(width), '.'))); }

TEST(DrawNineSlice, CornersKeepTheirSizeAndEdgesStretch)
{
    Bitmap target = Blank(10, 11);
    Canvas canvas(target);
    DrawNineSlice(Source(), canvas, Rect{0, 0, 10, 11}, '#', CornerDrawing::Opaque);
    EXPECT_EQ(Rows(target), (std::vector<std::string>{
                                "abcdddddef",
                                "ghijjjjjkl",
                                "mnopppppqr",
                                "stuvvvvvwx",
                                "stuvvvvvwx",
                                "stuvvvvvwx",
                                "stuvvvvvwx",
                                "stuvvvvvwx",
                                "stBBBBBBwx", // the bottom edge starts a row above and a column left of its corner
                                "EFHHHHHHIJ",
                                "KLNNNNNNOP",
                            }));
}

TEST(DrawNineSlice, CornersLargerThanTheRoomAreCutFromTheirOuterSide)
{
    Bitmap target = Blank(4, 4);
    Canvas canvas(target);
    DrawNineSlice(Source(), canvas, Rect{0, 0, 4, 4}, '#', CornerDrawing::Opaque);
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"abdf", "ghpl", "sBBx", "KNNP"}));
}

TEST(DrawNineSlice, TransparentColourInCornersOnlyWhenAskedInEdgesAlways)
{
    Bitmap source = Source();
    source.SetColorAt(0, 0, '#');  // top-left corner
    source.SetColorAt(3, 0, '#');  // top edge
    for (CornerDrawing corners : {CornerDrawing::Opaque, CornerDrawing::Transparent}) {
        Bitmap target = Blank(10, 11);
        Canvas canvas(target);
        DrawNineSlice(source, canvas, Rect{0, 0, 10, 11}, '#', corners);
        EXPECT_EQ(Rows(target)[0], corners == CornerDrawing::Opaque ? "#bc.....ef" : ".bc.....ef");
    }
}

TEST(DrawNineSlice, DrawsAtTheRectanglesOriginAndNothingWithoutHeight)
{
    Bitmap target = Blank(12, 12);
    Canvas canvas(target);
    DrawNineSlice(Source(), canvas, Rect{2, 1, 12, 1}, '#', CornerDrawing::Opaque);
    EXPECT_EQ(target, Blank(12, 12));
    DrawNineSlice(Source(), canvas, Rect{2, 1, 12, 12}, '#', CornerDrawing::Opaque);
    EXPECT_EQ(Rows(target)[1], "..abcdddddef");
    EXPECT_EQ(Rows(target)[11], "..KLNNNNNNOP");
}

} // namespace
} // namespace orvane
