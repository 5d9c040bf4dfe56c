#include "core/skincontrols/ScrollBarGeometry.h"
#include "core/skincontrols/ScrollBarPainter.h"

#include <gtest/gtest.h>

#include <array>

namespace orvane {
namespace {

constexpr Color BarColor = 0x101010;
constexpr Color FirstButton = 0x0000A0, SecondButton = 0x00A000;
constexpr Color StartCap = 0x0000FF, BeforeGrip = 0x00FF00, Grip = 0xFF0000, AfterGrip = 0x00FFFF,
                EndCap = 0xFF00FF, EndCapFirstRow = 0xFFFFFF, WholeThumb = 0x808000;
constexpr int Thickness = 17;

Bitmap Solid(int width, int height, Color color)
{
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetColorAt(x, y, color);
    return bitmap;
}

// Images of plain colours, so that stretching keeps them: sections of 4, 2,
// 8, 2 and 4 pixels along the bar; the end cap's first row differs from the
// rest, which shows which of its rows are drawn.
struct Images {
    explicit Images(bool vertical)
    {
        const auto piece = [vertical](int along, Color color) {
            return vertical ? Solid(Thickness, along, color) : Solid(along, Thickness, color);
        };
        buttons = {piece(Thickness, FirstButton), piece(Thickness, 0), piece(Thickness, 0),
                   piece(Thickness, SecondButton), piece(Thickness, 0), piece(Thickness, 0)};
        thumb = {piece(4, StartCap), piece(2, BeforeGrip), piece(8, Grip), piece(2, AfterGrip), piece(4, EndCap)};
        for (int i = 0; i < Thickness; ++i)
            if (vertical)
                thumb[4].SetColorAt(i, 0, EndCapFirstRow);
            else
                thumb[4].SetColorAt(0, i, EndCapFirstRow);
        whole = piece(30, WholeThumb);
    }
    ScrollBarImages Get(bool withWhole) const { return ScrollBarImages{buttons, thumb, &whole, withWhole}; }

    std::array<Bitmap, 6> buttons;
    std::array<Bitmap, 5> thumb;
    Bitmap whole;
};

struct ThumbCase {
    const char* name;
    int thumbStart, thumbEnd;
    bool wholeThumb;
    // Colours expected along the bar's middle line.
    std::vector<std::pair<int, Color>> along;
};

const ThumbCase Cases[] = {
    {"no thumb: track and buttons", 0, 0, false, {{5, FirstButton}, {100, BarColor}, {195, SecondButton}}},
    // 60 long: caps at 40-43 and 96-99, grip centred at 66-73, bodies between
    // them and 3 pixels from the ends, over the caps' inner rows.
    {"sections around a centred grip",
     40,
     100,
     false,
     {{39, BarColor}, {40, StartCap}, {50, BeforeGrip}, {66, Grip}, {73, Grip}, {80, AfterGrip}, {96, AfterGrip}, {97, EndCap},
      {99, EndCap}, {100, BarColor}}},
    {"whole thumb image over a long thumb", 40, 100, true, {{41, WholeThumb}, {70, WholeThumb}, {98, WholeThumb}}},
    // 15 long: too short for the whole image, drawn from the sections.
    {"short thumb ignores the whole image", 40, 55, true, {{40, StartCap}, {53, EndCap}}},
    // 12 long: the grip (8) is longer than the 6 between the caps' room.
    {"grip stretched when it does not fit", 40, 52, false, {{40, StartCap}, {45, Grip}, {48, Grip}, {50, EndCap}}},
    // 6 long: the end cap (4) is longer than half the thumb (3), so only its
    // last 3 rows are drawn, stretched to 4.
    {"end cap squeezed from its last rows", 40, 46, false, {{42, EndCap}, {45, EndCap}}},
};

TEST(ScrollBarPainter, DrawsButtonsTrackAndThumbInBothDirections)
{
    for (const bool vertical : {true, false}) {
        const Images images(vertical);
        for (const ThumbCase& test : Cases) {
            SCOPED_TRACE(std::string(test.name) + (vertical ? ", vertical" : ", horizontal"));
            Bitmap target = vertical ? Bitmap(Thickness, 200) : Bitmap(200, Thickness);
            Canvas canvas(target);
            const Rect bar{0, 0, target.Width(), target.Height()};
            const Rect thumb = ThumbRect(target.Width(), target.Height(), test.thumbStart, test.thumbEnd, vertical);
            PaintScrollBar(canvas, images.Get(test.wholeThumb), BarColor, bar,
                           test.thumbEnd > test.thumbStart ? &thumb : nullptr, vertical);
            for (const auto& [at, colour] : test.along) {
                const Color found = vertical ? target.ColorAt(Thickness / 2, at) : target.ColorAt(at, Thickness / 2);
                EXPECT_EQ(found, colour) << "at " << at;
            }
        }
    }
}

TEST(ScrollBarTracking, KeepsTheDraggedThumbBetweenTheArrows)
{
    struct Case {
        const char* name;
        int start, travel, expected;
    } const cases[] = {
        {"moved with the cursor", 40, 25, 65},
        {"stopped one arrow from the start", 40, -100, 17},
        {"stopped before the second arrow", 40, 500, 200 - 17 - 30},
        {"not moved", 17, 0, 17},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(TrackedThumbStart(test.start, test.travel, 200, 17, 30), test.expected);
    }
}

TEST(ScrollBarOverlay, LeavesOversizedBarsToTheSystem)
{
    EXPECT_TRUE(OverlayFitsVerticalBar(RectOfSize(0, 0, 100, 300)));
    EXPECT_FALSE(OverlayFitsVerticalBar(RectOfSize(0, 0, 101, 300)));
    EXPECT_FALSE(OverlayFitsVerticalBar(Rect{0, 10, 17, 5}));
    EXPECT_TRUE(OverlayFitsHorizontalBar(RectOfSize(0, 0, 300, 99)));
    EXPECT_FALSE(OverlayFitsHorizontalBar(RectOfSize(0, 0, 300, 100)));
    EXPECT_FALSE(OverlayFitsHorizontalBar(Rect{10, 0, 5, 17}));
    EXPECT_EQ(ScrollBarCorner(Rect{183, 0, 200, 83}, Rect{0, 83, 183, 100}), (Rect{183, 83, 200, 100}));
}

} // namespace
} // namespace orvane
