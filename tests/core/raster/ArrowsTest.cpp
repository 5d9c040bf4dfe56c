#include "core/raster/Arrows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

// '#' black, '%' grey 0x808080, 'w' white, '.' the background.
std::vector<std::string> Shades(const Bitmap& bitmap)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            switch (bitmap.ColorAt(x, y)) {
            case 0x000000: row += '#'; break;
            case 0x808080: row += '%'; break;
            case 0xFFFFFF: row += 'w'; break;
            default: row += '.';
            }
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(Arrows, FilledTrianglesThroughTheirCornerPoints)
{
    const struct {
        const char* name;
        void (*draw)(Canvas&, int, int, ArrowState);
        int x, y;
        std::vector<std::string> expected;
    } cases[] = {
        {"down", DrawArrowDown, 0, 0, {"#######", ".#####.", "..###..", "...#...", ".......", "......."}},
        {"up", DrawArrowUp, 3, 0, {"...#...", "..###..", ".#####.", "#######", ".......", "......."}},
        {"left", DrawArrowLeft, 0, 3, {"...#...", "..##...", ".###...", "####...", ".###...", "..##...", "...#..."}},
        {"right", DrawArrowRight, 0, 0, {"#......", "##.....", "###....", "####...", "###....", "##.....", "#......"}},
    };
    for (const auto& c : cases) {
        Bitmap target(7, int(c.expected.size()), 0x00123456u);
        Canvas canvas(target);
        c.draw(canvas, c.x, c.y, ArrowState::Enabled);
        EXPECT_EQ(Shades(target), c.expected) << c.name;
    }
}

TEST(Arrows, ADisabledArrowIsGreyOverAWhiteShadow)
{
    Bitmap target(8, 5, 0x00123456u);
    Canvas canvas(target);
    DrawArrowDown(canvas, 0, 0, ArrowState::Disabled);
    EXPECT_EQ(Shades(target), (std::vector<std::string>{
                                  "%%%%%%%.",
                                  ".%%%%%ww",
                                  "..%%%ww.",
                                  "...%ww..",
                                  "....w...",
                              }));
}

} // namespace
} // namespace orvane
