#include "core/skinframe/NonClientArea.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

FrameMetrics Borders(int left, int right, int bottom)
{
    FrameMetrics metrics;
    metrics.titleHeight = 20;
    metrics.leftBorderWidth = left;
    metrics.rightBorderWidth = right;
    metrics.bottomBorderHeight = bottom;
    return metrics;
}

TEST(NonClientArea, ClientRectangleForAProposedWindow)
{
    // The window proposed at (100, 50), 200 x 200; the system's own client
    // rectangle, which stands where the skin says nothing, is (103, 72, 297, 247).
    const Rect proposed{100, 50, 300, 250};
    const Rect systemClient{103, 72, 297, 247};
    struct Case {
        const char* name;
        FrameMetrics metrics;
        int title, origTop, titleExtraBefore;
        bool border, mdiFrame, mdiChild;
        FrameWindowShow show;
        int sideGap, bottomGap;
        Rect client;
        int titleExtra;
    };
    const FrameMetrics thin = Borders(2, 3, 1);
    const FrameMetrics wide = Borders(6, 5, 8);
    const auto normal = FrameWindowShow::Normal;
    for (const Case& c : {
             // At least 4 pixels of frame; the title is the skin's.
             Case{"thin borders", thin, 20, 18, 0, true, false, false, normal, 4, 4, {104, 70, 296, 246}, 0},
             Case{"wide borders", wide, 20, 18, 0, true, false, false, normal, 4, 4, {106, 70, 295, 242}, 0},
             // A deeper unskinned top is kept, and the difference remembered.
             Case{"deeper top", thin, 20, 26, 0, true, false, false, normal, 4, 4, {104, 76, 296, 246}, 6},
             Case{"no unskinned top", thin, 20, 0, 5, true, false, false, normal, 4, 4, {104, 72, 296, 246}, 5},
             Case{"no title", thin, 0, 18, 0, true, false, false, normal, 4, 4, {104, 50, 296, 246}, 0},
             Case{"no border", thin, 20, 18, 0, false, false, false, normal, 4, 4, {100, 70, 300, 250}, 0},
             Case{"no border, no top", thin, 20, 0, 0, false, false, false, normal, 4, 4, {100, 72, 300, 247}, 0},
             // MDI windows keep their own gaps; without one the system's sides stand.
             Case{"MDI child gaps", thin, 20, 18, 0, true, false, true, normal, 6, 7, {106, 70, 294, 243}, 0},
             Case{"MDI frame, wide borders", wide, 20, 18, 0, true, true, false, normal, 2, 2, {106, 70, 295, 242}, 0},
             Case{"MDI frame without gap", thin, 20, 18, 0, true, true, false, normal, 0, 0, {103, 70, 297, 247}, 0},
             Case{"maximized MDI child", thin, 20, 18, 0, true, false, true, FrameWindowShow::Maximized, 4, 4,
                  {104, 0, 296, 246}, 0},
         }) {
        FrameWindow window;
        window.titleHeight = c.title;
        window.origTopHeight = c.origTop;
        window.titleExtra = c.titleExtraBefore;
        window.hasBorder = c.border;
        window.isMDIFrame = c.mdiFrame;
        window.isMDIChild = c.mdiChild;
        window.show = c.show;
        window.mdiSideGap = c.sideGap;
        window.mdiBottomGap = c.bottomGap;
        const NonClientResult result = SkinnedClientRect(c.metrics, window, proposed, systemClient);
        EXPECT_EQ(result.client, c.client) << c.name;
        EXPECT_EQ(result.titleExtra, c.titleExtra) << c.name;
    }
}

TEST(NonClientArea, TopEdgeHitsOnTheButtonRowsBelongToTheButtons)
{
    // Buttons at y 2, 2 from the right of a 40-wide window, title 20, left
    // border 2, strip starting at 23: in window coordinates x 23..38 and
    // y 2..7 count, which is client x 21..36 and y -18..-13.
    FrameMetrics metrics = Borders(2, 3, 2);
    metrics.buttonX = 2;
    metrics.buttonY = 2;
    FrameWindow window;
    window.width = 40;
    window.titleHeight = 20;
    struct Case {
        int x, y;
        bool buttons;
    };
    for (const Case& c : {Case{21, -18, true}, Case{36, -13, true}, Case{20, -15, false}, Case{37, -15, false},
                          Case{25, -19, false}, Case{25, -12, false}}) {
        EXPECT_EQ(IsTitleButtonPointAtTopEdge(metrics, window, 23, c.x, c.y), c.buttons) << c.x << "," << c.y;
    }
    // Buttons from row 4 down leave the top edge to sizing.
    metrics.buttonY = 4;
    EXPECT_FALSE(IsTitleButtonPointAtTopEdge(metrics, window, 23, 25, -15));
}

} // namespace
} // namespace orvane
