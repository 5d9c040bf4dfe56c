#include "core/skinframe/WindowRegion.h"

#include "Pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using test::Picture;

constexpr Color Transparent = '#';

// The union of the rectangles as a picture of the window: 'o' inside, '-'
// outside; a rectangle reaching outside the window shows as '!' on its edge.
std::vector<std::string> Mask(const std::vector<Rect>& region, int width, int height)
{
    std::vector<std::string> rows(std::size_t(height), std::string(std::size_t(width), '-'));
    for (const Rect& r : region) {
        EXPECT_FALSE(r.Empty());
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                if (x < 0 || y < 0 || x >= width || y >= height)
                    ADD_FAILURE() << "rectangle outside the window at " << x << "," << y;
                else
                    rows[std::size_t(y)][std::size_t(x)] = 'o';
            }
    }
    return rows;
}

// A title band of 8 rows with transparent corners above, a transparent pixel
// in rows 3 and 6, and a last row whose only opaque pixel is its last.
Bitmap TitleBand()
{
    return Picture({"##AA##", "#AAAA#", "AAAAAA", "#AAAAA", "AAAAAA", "AAAAAA", "AAAAA#", "#####A"});
}

Bitmap BottomBand() { return Picture({"AAAAAA", "#AAAA#"}); }

FrameMetrics Rows(int titleMin, int titleMax, int bottomMin = -1, int bottomMax = -1)
{
    FrameMetrics metrics;
    metrics.transparentColor = Transparent;
    metrics.titleRegionMinY = titleMin;
    metrics.titleRegionMaxY = titleMax;
    metrics.bottomRegionMinY = bottomMin;
    metrics.bottomRegionMaxY = bottomMax;
    return metrics;
}

TEST(WindowRegion, OnlyTheRowsBetweenMinYAndMaxYAreCut)
{
    // A 6 x 12 window: title rows 0..7, middle 8..9, bottom band 10..11.
    struct Case {
        const char* name;
        FrameMetrics metrics;
        std::vector<std::string> mask;
    };
    const std::vector<std::string> middle = {"oooooo", "oooooo"};
    const std::vector<std::string> bottomCut = {"oooooo", "-oooo-"};
    const std::vector<std::string> bottomWhole = {"oooooo", "oooooo"};
    const auto join = [](std::vector<std::string> a, const std::vector<std::string>& b,
                         const std::vector<std::string>& c) {
        a.insert(a.end(), b.begin(), b.end());
        a.insert(a.end(), c.begin(), c.end());
        return a;
    };
    const std::vector<std::string> allCut = {"--oo--", "-oooo-", "oooooo", "-ooooo",
                                             "oooooo", "oooooo", "ooooo-", "-----o"};
    for (const Case& c : {
             Case{"no rows given: every row cut", Rows(-1, -1), join(allCut, middle, bottomCut)},
             Case{"0 to 5", Rows(0, 5),
                  join({"--oo--", "-oooo-", "oooooo", "-ooooo", "oooooo", "oooooo", "oooooo", "oooooo"}, middle,
                       bottomCut)},
             Case{"3 and 2: above 3 whole, the rest cut", Rows(3, 2),
                  join({"oooooo", "oooooo", "oooooo", "-ooooo", "oooooo", "oooooo", "ooooo-", "-----o"}, middle,
                       bottomCut)},
             Case{"bottom row 0 only", Rows(-1, -1, -1, 0), join(allCut, middle, bottomWhole)},
         }) {
        const Bitmap title = TitleBand();
        const Bitmap bottom = BottomBand();
        EXPECT_EQ(Mask(BuildWindowRegion(&title, &bottom, 6, 12, c.metrics), 6, 12), c.mask) << c.name;
    }
}

TEST(WindowRegion, RowsOutsideTheBandAreHeldToIt)
{
    // Row values beyond the band must not make the scan read outside it.
    const std::vector<std::string> whole(8, "oooooo");
    const std::vector<std::string> allCut = {"--oo--", "-oooo-", "oooooo", "-ooooo",
                                             "oooooo", "oooooo", "ooooo-", "-----o"};
    struct Case {
        int minY, maxY;
        std::vector<std::string> title;
    };
    for (const Case& c : {Case{0, 40, allCut}, Case{40, 2, whole}, Case{40, 50, whole}, Case{-5, 40, allCut},
                          Case{-5, 2, {"--oo--", "-oooo-", "oooooo", "oooooo", "oooooo", "oooooo", "oooooo",
                                       "oooooo"}}}) {
        const Bitmap title = TitleBand();
        std::vector<std::string> mask = Mask(BuildWindowRegion(&title, nullptr, 6, 10, Rows(c.minY, c.maxY)), 6, 10);
        mask.resize(8);
        EXPECT_EQ(mask, c.title) << c.minY << " " << c.maxY;
    }
}

TEST(WindowRegion, BandsWithoutRegionAreWholeAndPixelsCompareByColourOnly)
{
    Bitmap title = TitleBand();
    // The X byte of a transparent pixel does not make it opaque.
    title.At(0, 0) |= 0xFF000000u;
    const std::vector<Rect> region = BuildWindowRegion(&title, nullptr, 6, 12, Rows(-1, -1));
    const std::vector<std::string> mask = Mask(region, 6, 12);
    EXPECT_EQ(mask[0], "--oo--");
    EXPECT_EQ(mask[7], "-----o");
    EXPECT_EQ(mask[11], "oooooo"); // no bottom band: the middle reaches the foot

    // The last row's lone opaque pixel is one rectangle of one pixel.
    int lastRowRects = 0;
    for (const Rect& r : region)
        if (r.top == 7 && r.bottom == 8) {
            ++lastRowRects;
            EXPECT_EQ(r, (Rect{5, 7, 6, 8}));
        }
    EXPECT_EQ(lastRowRects, 1);

    EXPECT_EQ(BuildWindowRegion(nullptr, nullptr, 6, 12, Rows(-1, -1)), (std::vector<Rect>{{0, 0, 6, 12}}));
}

} // namespace
} // namespace orvane
