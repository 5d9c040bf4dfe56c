#include "core/raster/Greyed.h"

#include <gtest/gtest.h>

#include <iterator>

namespace orvane {
namespace {

// Pixels as a 32-bit DIB holds them: 0xAARRGGBB.
TEST(Greyed, EveryPixelBecomesItsBrightnessLiftedHalfwayToWhite)
{
    struct Case {
        const char* name;
        Pixel source;
        Pixel expected;
    } const cases[] = {
        {"black turns mid grey", 0xFF000000u, 0xFF808080u},
        {"white stays white", 0xFFFFFFFFu, 0xFFFFFFFFu},
        {"red", 0xFFFF0000u, 0xFFA6A6A6u},
        {"green, brighter than red", 0xFF00FF00u, 0xFFCBCBCBu},
        {"blue, darker than red", 0xFF0000FFu, 0xFF8E8E8Eu},
        {"a soft edge keeps its alpha", 0x40000000u, 0x40808080u},
        {"a clear pixel stays clear", 0x00FF0000u, 0x00A6A6A6u},
    };
    Bitmap source(int(std::size(cases)), 2);
    for (int x = 0; x < source.Width(); ++x) {
        source.At(x, 0) = cases[x].source;
        source.At(x, 1) = cases[x].source;
    }
    const Bitmap greyed = Greyed(source);
    ASSERT_EQ(greyed.Width(), source.Width());
    ASSERT_EQ(greyed.Height(), source.Height());
    for (int x = 0; x < greyed.Width(); ++x) {
        SCOPED_TRACE(cases[x].name);
        EXPECT_EQ(greyed.At(x, 0), cases[x].expected);
        EXPECT_EQ(greyed.At(x, 1), cases[x].expected);
    }
    EXPECT_EQ(source.At(2, 0), 0xFFFF0000u) << "the source is left as it was";
}

} // namespace
} // namespace orvane
