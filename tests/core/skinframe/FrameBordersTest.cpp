#include "core/skinframe/FrameBorders.h"

#include "FrameSkin.h"
#include "Pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using test::AreaRows;
using test::FrameSkin;
using test::FrameSkinOptions;
using test::TestWindow;

constexpr Color Unpainted = '~';
constexpr Color ShadowLine = 0x808080;
constexpr Color HighlightLine = 0xFFFFFF;

std::vector<std::string> Lines(int count, const std::string& row)
{
    return std::vector<std::string>(std::size_t(count), row);
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(FrameBorders, BottomBandFromOneImageInThirdsOrThreeSections)
{
    // One image "#X|YY|WW": its ends kept, its middle stretched. Three
    // sections: "#X" at the left, "WW" at the right, 'V' stretched between,
    // and a window narrower than both ends shows the right end over the left.
    // The transparent pixel stays for the region to cut.
    struct Case {
        bool threeSections;
        int width;
        std::vector<std::string> rows;
    };
    for (const Case& c : {Case{false, 10, {"#XYYYYYYWW", "XXYYYYYYWW"}}, Case{true, 10, {"#XVVVVVVWW", "XXVVVVVVWW"}},
                          Case{true, 3, {"#WW", "XWW"}}}) {
        const FrameSkin skin({.bottomThreeSections = c.threeSections});
        FrameWindow window = TestWindow(c.width);
        Bitmap band(c.width, skin.Metrics().bottomBorderHeight, PixelFromColor(Unpainted));
        Canvas canvas(band);
        ComposeBottomBand(skin.Reader(), window, canvas);
        EXPECT_EQ(test::Rows(band), c.rows) << c.threeSections << " " << c.width;
    }
}

TEST(FrameBorders, SideStripsFillTheGapToTheUnskinnedFrame)
{
    // W 40, H 30, T 6, bottom border 2: the strips run from row 6 to 28. The
    // left border is 2 wide, the right one 3, the least frame 4 (or the MDI
    // gap): the rest of the strip is the form colour, and beside a menu bar
    // of M rows (from T + title extra) the menu bar's background.
    struct Case {
        const char* name;
        FrameSkinOptions options;
        FrameSide side;
        int menuBar;
        int titleExtra;
        int sideGap;
        Rect rect;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"left, no menu", {}, FrameSide::Left, 0, 0, 4, {0, 6, 4, 28}, Lines(22, "LL..")},
        {"right, no menu", {}, FrameSide::Right, 0, 0, 4, {36, 6, 40, 28}, Lines(22, ".RRR")},
        {"left, solid menu", {.menuBarEndColor = 'M'}, FrameSide::Left, 3, 0, 4, {0, 6, 4, 28},
         Lines(3, "LLMM") + Lines(19, "LL..")},
        {"right, solid menu", {.menuBarEndColor = 'M'}, FrameSide::Right, 3, 0, 4, {36, 6, 40, 28},
         Lines(3, "MRRR") + Lines(19, ".RRR")},
        {"menu bar image", {.menuBarImage = true}, FrameSide::Left, 3, 0, 4, {0, 6, 4, 28},
         Lines(3, "LLSS") + Lines(19, "LL..")},
        // The menu bar starts below the title extra; the gap beside the
        // title band's rows above it is left to the band.
        {"MDI gap with title extra", {.menuBarEndColor = 'M'}, FrameSide::Left, 3, 2, 6, {0, 6, 6, 28},
         Lines(2, "LL~~~~") + Lines(3, "LLMMMM") + Lines(17, "LL....")},
        {"border as wide as the gap", {}, FrameSide::Left, 3, 0, 2, {0, 6, 2, 28}, Lines(22, "LL")},
    };
    for (const Case& c : cases) {
        const FrameSkin skin(c.options);
        FrameWindow window = TestWindow(40);
        window.menuBarHeight = c.menuBar;
        window.titleExtra = c.titleExtra;
        window.mdiSideGap = c.sideGap;
        const Rect rect = SideStripRect(skin.Metrics(), window, c.side);
        ASSERT_EQ(rect, c.rect) << c.name;
        Bitmap strip(rect.Width(), rect.Height(), PixelFromColor(Unpainted));
        Canvas canvas(strip);
        ComposeSideStrip(skin.Reader(), skin.Metrics(), window, c.side, canvas);
        EXPECT_EQ(test::Rows(strip), c.rows) << c.name;
    }
}

TEST(FrameBorders, MenuBarGapTakesTheGradientAndTheToolBarLines)
{
    const FrameSkin skin; // menu bar colours 'M' to 'N'
    FrameWindow window = TestWindow(40);
    window.menuBarHeight = 3;
    window.hasToolBarUnderMenu = true;
    const Rect rect = SideStripRect(skin.Metrics(), window, FrameSide::Left);
    Bitmap strip(rect.Width(), rect.Height(), PixelFromColor(Unpainted));
    Canvas canvas(strip);
    ComposeSideStrip(skin.Reader(), skin.Metrics(), window, FrameSide::Left, canvas);
    EXPECT_EQ(AreaRows(strip, 2, 0, 2, 3), (std::vector<std::string>{"MM", "MM", "NN"}));
    for (int x : {2, 3}) {
        EXPECT_EQ(strip.ColorAt(x, 3), ShadowLine);
        EXPECT_EQ(strip.ColorAt(x, 4), HighlightLine);
        EXPECT_EQ(strip.ColorAt(x, 5), test::FormColor);
    }
    EXPECT_EQ(strip.ColorAt(1, 3), Color('L')); // the lines stay in the gap
}

TEST(FrameBorders, BottomGapAndBorderStart)
{
    const FrameSkin skin; // borders 2 and 3, bottom 2
    FrameWindow window = TestWindow(40);
    EXPECT_EQ(BottomGapRect(skin.Metrics(), window), (Rect{2, 26, 37, 28}));
    window.mdiBottomGap = 7;
    EXPECT_EQ(BottomGapRect(skin.Metrics(), window), (Rect{2, 23, 37, 28}));
    window.mdiBottomGap = 2;
    EXPECT_TRUE(BottomGapRect(skin.Metrics(), window).Empty());
    window.height = 7; // title 6 and bottom border 2 overlap
    EXPECT_EQ(SideStripRect(skin.Metrics(), window, FrameSide::Right), (Rect{36, 6, 40, 6}));

    struct Case {
        bool mdiChild;
        FrameWindowShow show;
        bool border;
        int top;
        bool shows;
    };
    for (const Case& c : {Case{false, FrameWindowShow::Normal, true, 6, true},
                          Case{false, FrameWindowShow::Maximized, true, 6, true},
                          Case{true, FrameWindowShow::Maximized, true, 0, true},
                          Case{true, FrameWindowShow::Minimized, true, 6, false},
                          Case{false, FrameWindowShow::Normal, false, 6, false}}) {
        FrameWindow w = TestWindow(40);
        w.isMDIChild = c.mdiChild;
        w.show = c.show;
        w.hasBorder = c.border;
        EXPECT_EQ(BorderTop(w), c.top);
        EXPECT_EQ(ShowsBorders(w), c.shows);
        EXPECT_EQ(SideStripRect(skin.Metrics(), w, FrameSide::Left).top, c.top);
    }
}

} // namespace
} // namespace orvane
