#include "core/hints/HintPanelPlace.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr int Width = 240;
constexpr int Height = 120;

// The hint window beside the main window where the screen has room, else
// over it where it covers none of the cells it shows.
TEST(HintPanelPlace, BesideTheMainWindowWhereThereIsRoomElseClearOfTheCells)
{
    const Rect main = RectOfSize(245, 100, 533, 560);
    const Rect boardCell = RectOfSize(100, 200, 50, 50); // near the top left
    const struct {
        const char* name;
        Rect workArea;
        Rect mainWindow;
        std::vector<Rect> avoid;
        Rect expected;
    } cases[] = {
        {"right of it", {0, 0, 1280, 768}, main, {}, RectOfSize(main.right + HintPanelGap, 100, Width, Height)},
        {"left of it when the right is short", {0, 0, 1024, 768}, RectOfSize(480, 100, 533, 560), {},
         RectOfSize(480 - HintPanelGap - Width, 100, Width, Height)},
        {"moved up to stay on the screen", {0, 0, 1280, 768}, RectOfSize(245, 700, 533, 60), {},
         RectOfSize(main.right + HintPanelGap, 768 - Height, Width, Height)},
        {"below it on a narrow screen", {0, 0, 800, 900}, RectOfSize(130, 10, 533, 560), {},
         RectOfSize(130, 570 + HintPanelGap, Width, Height)},
        {"over it, at its top right, when no side has room", {0, 0, 640, 600}, RectOfSize(50, 20, 533, 560),
         {boardCell}, RectOfSize(583 - Width, 20, Width, Height)},
        {"at another corner when the top right covers a cell", {0, 0, 640, 600}, RectOfSize(50, 20, 533, 560),
         {RectOfSize(500, 60, 50, 50)}, RectOfSize(50, 20, Width, Height)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HintPanelPlace(c.workArea, c.mainWindow, Width, Height, c.avoid), c.expected) << c.name;
}

} // namespace
} // namespace orvane
