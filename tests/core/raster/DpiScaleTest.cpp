#include "core/base/DpiScale.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct TScaleCase {
    int pixels;
    unsigned dpi;
    int expected;
};

TEST(DpiScale, LengthsScaleByDpiOver96AndStayPutAt96)
{
    const TScaleCase cases[] = {
        {450, 96, 450}, {450, 120, 563}, {450, 144, 675}, {450, 192, 900},
        {1, 120, 1},    {1, 144, 2},     {3, 120, 4},     {-7, 144, -11},
        {0, 192, 0},    {50, 168, 88},
    };
    for (const TScaleCase& c : cases)
        EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.expected) << c.pixels << " px at " << c.dpi;
}

TEST(DpiScale, ThinAndThickLinesStayDistinctAtEveryCommonDpi)
{
    for (const unsigned dpi : {96u, 120u, 144u, 168u, 192u, 240u}) {
        const int thin = ScaleLineWidthForDpi(1, dpi);
        const int thick = ScaleLineWidthForDpi(2, dpi);
        EXPECT_GE(thin, 1) << dpi;
        EXPECT_LT(thin, thick) << dpi;
    }
    EXPECT_EQ(ScaleLineWidthForDpi(1, 96), 1);
    EXPECT_EQ(ScaleLineWidthForDpi(2, 96), 2);
    EXPECT_EQ(ScaleLineWidthForDpi(1, 192), 2);
    EXPECT_EQ(ScaleLineWidthForDpi(2, 192), 4);
}

} // namespace
} // namespace orvane
