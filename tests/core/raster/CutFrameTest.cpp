#include "core/raster/CutFrame.h"

#include "Pictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

// A 32-pixel strip whose columns read '0', '1', ... 'O'.
Bitmap Strip32()
{
    std::string row;
    for (int x = 0; x < 32; ++x)
        row += char('0' + x);
    return Picture({row, row});
}

TEST(CutFrame, ThreeFramesOfA32PixelStripAreTenWideAndNeverUseTheLastTwoColumns)
{
    const Bitmap strip = Strip32();
    const struct {
        int index;
        std::string row;
    } cases[] = {{1, "0123456789"}, {2, ":;<=>?@ABC"}, {3, "DEFGHIJKLM"}};
    for (const auto& c : cases) {
        Bitmap frame;
        CutFrame(&strip, frame, 3, c.index);
        EXPECT_EQ(Rows(frame), (std::vector<std::string>{c.row, c.row})) << "frame " << c.index;
    }
}

TEST(CutFrame, KeepsTheTargetsFormatAndTransparency)
{
    const Bitmap strip = Strip32();
    Bitmap frame;
    frame.BitsPerPixel = 24;
    frame.Transparent = true;
    frame.TransparentColor = 0xFF00FF;
    CutFrame(&strip, frame, 2, 2);
    EXPECT_EQ(frame.Width(), 16);
    EXPECT_EQ(frame.BitsPerPixel, 24);
    EXPECT_TRUE(frame.Transparent);
    EXPECT_EQ(frame.TransparentColor, 0xFF00FFu);
}

TEST(CutFrame, LeavesTheTargetAloneWithoutSourceOrCount)
{
    const Bitmap strip = Strip32();
    const Bitmap before = Picture({"xy"});
    for (const Bitmap* source : {static_cast<const Bitmap*>(nullptr), &strip}) {
        Bitmap target = before;
        CutFrame(source, target, source == nullptr ? 3 : 0, 1);
        EXPECT_EQ(target, before);
    }
}

TEST(CutFrame, AFrameBeyondTheCountIsBlackWhereTheSourceEnds)
{
    const Bitmap strip = Picture({"abcdefg"});
    Bitmap frame;
    CutFrame(&strip, frame, 3, 4); // columns 6..7 of a 7-pixel strip
    ASSERT_EQ(frame.Width(), 2);
    EXPECT_EQ(frame.ColorAt(0, 0), Color('g'));
    EXPECT_EQ(frame.ColorAt(1, 0), 0u);
}

} // namespace
} // namespace orvane
