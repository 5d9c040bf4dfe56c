#include "core/skincontrols/ScrollBarGeometry.h"

namespace orvane {

namespace {

constexpr int OverlayMaxThickness = 100;

} // namespace

int TrackedThumbStart(int reportedStart, int cursorTravel, int barLength, int arrowSize, int thumbLength)
{
    int start = reportedStart + cursorTravel;
    if (start < arrowSize)
        start = arrowSize;
    const int last = barLength - arrowSize - thumbLength;
    if (start > last)
        start = last;
    return start;
}

Rect ThumbRect(int barWidth, int barHeight, int thumbStart, int thumbEnd, bool vertical)
{
    if (vertical)
        return Rect{0, thumbStart, barWidth, thumbEnd};
    return Rect{thumbStart, 0, thumbEnd, barHeight};
}

bool OverlayFitsVerticalBar(const Rect& bar)
{
    return bar.Width() >= 0 && bar.Height() >= 0 && bar.Width() <= OverlayMaxThickness;
}

bool OverlayFitsHorizontalBar(const Rect& bar)
{
    return bar.Width() >= 0 && bar.Height() >= 0 && bar.Height() < OverlayMaxThickness;
}

Rect ScrollBarCorner(const Rect& verticalBar, const Rect& horizontalBar)
{
    return Rect{horizontalBar.right, verticalBar.bottom, verticalBar.right, horizontalBar.bottom};
}

} // namespace orvane
