#pragma once

#include "core/raster/Rect.h"

namespace orvane {

// Where a dragged thumb starts: moved by the cursor's travel since the press,
// and kept between the two arrow buttons (one arrow size from the bar's
// start, and no further than its end less an arrow size and the thumb's own
// length).
int TrackedThumbStart(int reportedStart, int cursorTravel, int barLength, int arrowSize, int thumbLength);

// The thumb of a bar laid out from (0, 0) with the given size, from the thumb
// start and end the system reports along the bar.
Rect ThumbRect(int barWidth, int barHeight, int thumbStart, int thumbEnd, bool vertical);

// Scroll bars this thick are not drawn over: a vertical one wider than 100
// pixels, a horizontal one 100 or more pixels high, or one with a negative
// size, stays as the system draws it.
bool OverlayFitsVerticalBar(const Rect& bar);
bool OverlayFitsHorizontalBar(const Rect& bar);

// The square where a vertical and a horizontal bar meet: right of the
// horizontal bar and below the vertical one.
Rect ScrollBarCorner(const Rect& verticalBar, const Rect& horizontalBar);

} // namespace orvane
