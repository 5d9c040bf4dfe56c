#include "core/skinframe/FrameChanges.h"

#include "FrameSkin.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

using test::TestWindow;

// The frame keeps its composed bands and the window's region while the
// window's state looks the same to them: each change below must make the
// parts that show it be composed again, and leave the others alone (a hover
// that recomposed the borders or cut the region again would make every
// mouse move cost a frame).
TEST(FrameChanges, EachStateChangeRenewsOnlyThePartsThatShowIt)
{
    struct Case {
        const char* name;
        std::function<void(FrameWindow&)> before; // from the test window
        std::function<void(FrameWindow&)> change;
        bool title, borders, region;
    };
    const auto none = [](FrameWindow&) {};
    const auto closeHot = [](FrameWindow& w) { w.hotPart = ClosePart; };
    const auto minimized = [](FrameWindow& w) { w.show = FrameWindowShow::Minimized; };
    for (const Case& c : {
             Case{"nothing", none, none, false, false, false},
             Case{"deactivated", none, [](FrameWindow& w) { w.isActive = false; }, true, false, false},
             Case{"caption", none, [](FrameWindow& w) { w.ansiCaption = "Orvane Sudoku 1.0 - Easy"; }, true, false,
                  false},
             Case{"wide caption", none, [](FrameWindow& w) { w.wideCaption = L"Orvane"; }, true, false, false},
             Case{"pointer onto close", none, closeHot, true, false, false},
             Case{"pointer from close onto minimize", closeHot, [](FrameWindow& w) { w.hotPart = MinimizePart; },
                  true, false, false},
             Case{"pointer off close", closeHot, [](FrameWindow& w) { w.hotPart = NoTitlePart; }, true, false,
                  false},
             Case{"close pressed", closeHot, [](FrameWindow& w) { w.buttonDown = true; }, true, false, false},
             // The icon and the empty title look the same under the pointer
             // and pressed as away from it.
             Case{"pointer onto the icon", [](FrameWindow& w) { w.hasSystemIcon = true; },
                  [](FrameWindow& w) { w.hotPart = IconPart; }, false, false, false},
             Case{"pressed on the empty title", none, [](FrameWindow& w) { w.buttonDown = true; }, false, false,
                  false},
             Case{"close disabled", none, [](FrameWindow& w) { w.closeButtonEnabled = false; }, true, false, false},
             // The maximize button turns into restore; the borders stay.
             Case{"maximized", [](FrameWindow& w) { w.hasMaximizeButton = true; },
                  [](FrameWindow& w) { w.show = FrameWindowShow::Maximized; }, true, false, true},
             // A maximized MDI child shows no title, and its borders start at the top.
             Case{"MDI child maximized", [](FrameWindow& w) { w.isMDIChild = true; },
                  [](FrameWindow& w) { w.show = FrameWindowShow::Maximized; }, true, true, true},
             Case{"minimized", none, minimized, true, true, true},
             Case{"wider", none, [](FrameWindow& w) { ++w.width; }, true, true, true},
             Case{"taller", none, [](FrameWindow& w) { ++w.height; }, false, true, true},
             // A minimized window's title image is stretched over its height.
             Case{"taller, minimized", minimized, [](FrameWindow& w) { ++w.height; }, true, true, true},
             Case{"menu bar shown", none, [](FrameWindow& w) { w.menuBarHeight = 19; }, true, true, false},
             Case{"caption removed", none, [](FrameWindow& w) { w.hasCaption = false; }, true, false, true},
             Case{"border removed", none, [](FrameWindow& w) { w.hasBorder = false; }, true, true, true},
         }) {
        FrameWindow before = TestWindow(40);
        before.ansiCaption = "Orvane Sudoku 1.0";
        c.before(before);
        FrameWindow after = before;
        c.change(after);
        EXPECT_EQ(!SameTitleBand(before, after), c.title) << c.name;
        EXPECT_EQ(!SameBorders(before, after), c.borders) << c.name;
        EXPECT_EQ(!SameRegion(before, after), c.region) << c.name;
    }
}

} // namespace
} // namespace orvane
