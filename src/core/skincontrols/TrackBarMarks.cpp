#include "core/skincontrols/TrackBarMarks.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr int FrameAcross = 2;   // beyond the thumb, across the track
constexpr int FrameAlong = 4;    // beyond the channel's ends
constexpr int TickLength = 3;
constexpr int EndTickInset = 8;  // the extra ticks, from the frame's ends
constexpr int SelectionInset = 4; // an open selection end, from the channel's end
constexpr int SelectionThickness = 2;

// The track's coordinates: `start`/`end` along it, `low`/`high` across it.
struct Along {
    int start, end, low, high;
};

Along Oriented(const Rect& rect, bool vertical)
{
    return vertical ? Along{rect.top, rect.bottom, rect.left, rect.right}
                    : Along{rect.left, rect.right, rect.top, rect.bottom};
}

Rect FromOriented(const Along& along, bool vertical)
{
    return vertical ? Rect{along.low, along.start, along.high, along.end}
                    : Rect{along.start, along.low, along.end, along.high};
}

} // namespace

int TrackBarValuePosition(const TrackBarMarksInput& input, int value)
{
    const Along channel = Oriented(input.channel, input.vertical);
    const Along thumb = Oriented(input.thumb, input.vertical);
    const int thumbLength = thumb.end - thumb.start;
    const int travel = std::max(channel.end - channel.start - thumbLength, 0);
    const int range = input.maximum - input.minimum;
    const int clamped =
        std::clamp(value, std::min(input.minimum, input.maximum), std::max(input.minimum, input.maximum));
    const long long offset = range > 0 ? (long long)(clamped - input.minimum) * travel / range : 0;
    return channel.start + thumbLength / 2 + int(offset);
}

TrackBarMarks LayOutTrackBarMarks(const TrackBarMarksInput& input)
{
    const bool vertical = input.vertical;
    const Along channel = Oriented(input.channel, vertical);
    const Along thumb = Oriented(input.thumb, vertical);
    const Along frame{channel.start - FrameAlong, channel.end + FrameAlong,
                      std::min(channel.low, thumb.low) - FrameAcross, std::max(channel.high, thumb.high) + FrameAcross};
    TrackBarMarks marks;
    marks.frame = FromOriented(frame, vertical);

    if (input.sides != TrackBarTickSides::None) {
        const bool before = input.sides != TrackBarTickSides::BottomRight;
        const bool after = input.sides != TrackBarTickSides::TopLeft;
        const auto tickAt = [&](int position) {
            if (before)
                marks.ticks.push_back(
                    FromOriented(Along{position, position + 1, frame.low - TickLength, frame.low}, vertical));
            if (after)
                marks.ticks.push_back(
                    FromOriented(Along{position, position + 1, frame.high, frame.high + TickLength}, vertical));
        };
        tickAt(frame.start + EndTickInset);
        for (int position : input.innerTicks)
            tickAt(position);
        tickAt(frame.end - 1 - EndTickInset);
    }

    if (input.selStart < input.selEnd) {
        const int first = input.selStart < 1 ? channel.start + SelectionInset
                                             : TrackBarValuePosition(input, input.selStart);
        const int last = input.selEnd >= input.maximum ? channel.end - SelectionInset
                                                       : TrackBarValuePosition(input, input.selEnd);
        const int middle = (channel.low + channel.high) / 2;
        if (first < last)
            marks.selection = FromOriented(Along{first, last, middle - SelectionThickness / 2,
                                                 middle - SelectionThickness / 2 + SelectionThickness},
                                           vertical);
    }
    return marks;
}

} // namespace orvane
