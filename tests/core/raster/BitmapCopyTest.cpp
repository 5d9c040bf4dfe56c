#include "core/raster/BitmapCopy.h"

#include "Pictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

TEST(BitmapCopy, MaskedAndTransparentCopiesLeaveTheTransparentColourOut)
{
    const Bitmap source = Picture({"a#", "#b"});
    {
        Bitmap target = Picture({"...", "..."});
        Canvas canvas(target);
        CopyRectMasked(canvas, 1, 0, source, Rect{0, 0, 2, 2}, '#');
        EXPECT_EQ(Rows(target), (std::vector<std::string>{".a.", "..b"}));
    }
    {
        Bitmap transparentSource = source;
        transparentSource.Transparent = true;
        transparentSource.TransparentColor = '#';
        Bitmap target = Picture({"..", ".."});
        Canvas canvas(target);
        DrawBitmap(canvas, 0, 0, transparentSource);
        EXPECT_EQ(Rows(target), (std::vector<std::string>{"a.", ".b"}));
        transparentSource.Transparent = false;
        DrawBitmap(canvas, 0, 0, transparentSource);
        EXPECT_EQ(Rows(target), (std::vector<std::string>{"a#", "#b"}));
    }
}

TEST(BitmapCopy, StretchPicksTheSourcePixelUnderEachCentre)
{
    Bitmap target = Picture({"......"});
    Canvas canvas(target);
    StretchRect(canvas, Rect{0, 0, 6, 1}, Picture({"abc"}), Rect{0, 0, 3, 1});
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"aabbcc"}));
    StretchRect(canvas, Rect{0, 0, 2, 1}, Picture({"abcd"}), Rect{0, 0, 4, 1});
    EXPECT_EQ(Rows(target)[0].substr(0, 2), "bd");
}

TEST(BitmapCopy, ClipsToTheBitmapAndToTheClipRectangle)
{
    const Bitmap source = Picture({"abc", "def", "ghi"});
    Bitmap target = Picture({"...", "...", "..."});
    Canvas canvas(target);
    CopyRect(canvas, -1, -1, source, Rect{0, 0, 3, 3});
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"ef.", "hi.", "..."}));

    canvas.SetClip(Rect{2, 0, 3, 2});
    CopyRect(canvas, 0, 0, source, Rect{0, 0, 3, 3});
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"efc", "hif", "..."}));
}

} // namespace
} // namespace orvane
