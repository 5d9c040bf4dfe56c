#include "core/skincontrols/TrackBarMarks.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A horizontal track bar as the system lays one out: a 184-pixel channel and
// an 11-pixel thumb; and the same turned upright.
TrackBarMarksInput Horizontal()
{
    TrackBarMarksInput input;
    input.channel = Rect{8, 17, 192, 21};
    input.thumb = Rect{20, 9, 31, 29};
    input.innerTicks = {50, 100};
    return input;
}

TrackBarMarksInput Vertical()
{
    TrackBarMarksInput input = Horizontal();
    input.vertical = true;
    input.channel = Rect{16, 8, 20, 192};
    input.thumb = Rect{8, 20, 28, 31};
    return input;
}

struct TickCase {
    const char* name;
    TrackBarMarksInput input;
    Rect frame;
    std::vector<Rect> ticks;
};

TEST(TrackBarMarks, TicksStandJustOutsideTheFrameOnTheChosenSides)
{
    TrackBarMarksInput both = Horizontal();
    both.sides = TrackBarTickSides::Both;
    TrackBarMarksInput none = Horizontal();
    none.sides = TrackBarTickSides::None;
    TrackBarMarksInput left = Vertical();
    left.sides = TrackBarTickSides::TopLeft;
    const TickCase cases[] = {
        // Frame: the channel 4 longer at each end, the thumb 2 wider across.
        // The extra ticks stand 8 pixels inside the frame's ends (4 + 8, 196 - 1 - 8).
        {"below", Horizontal(), Rect{4, 7, 196, 31},
         {{12, 31, 13, 34}, {50, 31, 51, 34}, {100, 31, 101, 34}, {187, 31, 188, 34}}},
        {"both sides", both, Rect{4, 7, 196, 31},
         {{12, 4, 13, 7}, {12, 31, 13, 34}, {50, 4, 51, 7}, {50, 31, 51, 34},
          {100, 4, 101, 7}, {100, 31, 101, 34}, {187, 4, 188, 7}, {187, 31, 188, 34}}},
        {"no ticks", none, Rect{4, 7, 196, 31}, {}},
        {"upright, on the left", left, Rect{6, 4, 30, 196},
         {{3, 12, 6, 13}, {3, 50, 6, 51}, {3, 100, 6, 101}, {3, 187, 6, 188}}},
    };
    for (const TickCase& test : cases) {
        SCOPED_TRACE(test.name);
        const TrackBarMarks marks = LayOutTrackBarMarks(test.input);
        EXPECT_EQ(marks.frame, test.frame);
        EXPECT_EQ(marks.ticks, test.ticks);
        EXPECT_FALSE(marks.selection.has_value());
    }
}

struct SelectionCase {
    const char* name;
    bool vertical;
    int selStart, selEnd;
    std::optional<Rect> expected;
};

TEST(TrackBarMarks, TheSelectionRunsBetweenTheMarksOfItsEnds)
{
    // Value v's mark: 8 + 11 / 2 + v * (184 - 11) / 10, rounded toward zero.
    const SelectionCase cases[] = {
        {"inner ends", false, 2, 7, Rect{47, 18, 134, 20}},
        {"open ends: 4 pixels inside the channel", false, 0, 10, Rect{12, 18, 188, 20}},
        {"an end past Max is open", false, 3, 12, Rect{64, 18, 188, 20}},
        {"empty", false, 5, 5, std::nullopt},
        {"reversed", false, 7, 2, std::nullopt},
        {"upright", true, 2, 7, Rect{17, 47, 19, 134}},
    };
    for (const SelectionCase& test : cases) {
        SCOPED_TRACE(test.name);
        TrackBarMarksInput input = test.vertical ? Vertical() : Horizontal();
        input.sides = TrackBarTickSides::None;
        input.selStart = test.selStart;
        input.selEnd = test.selEnd;
        EXPECT_EQ(LayOutTrackBarMarks(input).selection, test.expected);
    }
}

TEST(TrackBarMarks, AnEmptyRangeKeepsEveryValueAtTheStart)
{
    TrackBarMarksInput input = Horizontal();
    input.minimum = input.maximum = 5;
    EXPECT_EQ(TrackBarValuePosition(input, 5), 13);
    EXPECT_EQ(TrackBarValuePosition(input, 9), 13);
}

} // namespace
} // namespace orvane
