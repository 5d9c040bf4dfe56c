#pragma once

#include "core/raster/Rect.h"

#include <optional>
#include <vector>

namespace orvane {

// Which sides of a track bar carry tick marks: below (or right of) the
// channel, above (or left of) it, both, or none.
enum class TrackBarTickSides { BottomRight, TopLeft, Both, None };

struct TrackBarMarksInput {
    Rect channel;             // the channel, in client coordinates (not transposed)
    Rect thumb;               // the thumb, in client coordinates
    bool vertical = false;
    std::vector<int> innerTicks; // positions along the track of all ticks but the first and the last
    TrackBarTickSides sides = TrackBarTickSides::BottomRight;
    int minimum = 0;
    int maximum = 10;
    int selStart = 0;
    int selEnd = 0;
};

struct TrackBarMarks {
    // The channel widened to the thumb's extent plus 2 pixels across the
    // track and lengthened by 4 pixels at each end: the focus rectangle, and
    // the tick marks stand just outside it.
    Rect frame;
    // One-pixel-wide, 3-pixel-long lines.
    std::vector<Rect> ticks;
    // A 2-pixel-thick line along the middle of the channel, when SelStart <
    // SelEnd.
    std::optional<Rect> selection;
};

// Where a value's mark lies along the track: the thumb's centre when the
// thumb stands at that value, the thumb moving over the channel's length less
// its own. Divisions round toward zero.
int TrackBarValuePosition(const TrackBarMarksInput& input, int value);

// The marks a skinned track bar draws around its channel: the inner ticks and
// two more 8 pixels inside each end of the frame, on the chosen sides; and
// the selection, which starts 4 pixels into the channel when SelStart is
// below 1 and ends 4 pixels before its end when SelEnd reaches Max.
TrackBarMarks LayOutTrackBarMarks(const TrackBarMarksInput& input);

} // namespace orvane
