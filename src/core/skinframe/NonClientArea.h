#pragma once

#include "core/raster/Rect.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinframe/FrameWindow.h"

namespace orvane {

// The client rectangle of a skinned window for a proposed window rectangle
// (screen or parent coordinates, as WM_NCCALCSIZE gives it), starting from
// the one the system's default processing proposed. Also gives the title
// extra (origTopHeight - T when that is positive, else 0) for the window to
// keep. Keeps at least the unskinned top offset and never less than 4 pixels
// of frame at the sides and bottom.
struct NonClientResult {
    Rect client;
    int titleExtra = 0;
};

NonClientResult SkinnedClientRect(const FrameMetrics& metrics, const FrameWindow& window, const Rect& proposedWindow,
                                  const Rect& defaultClient);

// Hit testing near the top edge of a sizeable window whose title buttons sit
// above row 4: a point that the system calls HTTOP or HTTOPRIGHT but lies on
// the button strip's rows 0..7 is a caption point, so that pressing a button
// there does not start a resize. The point is in client coordinates.
bool IsTitleButtonPointAtTopEdge(const FrameMetrics& metrics, const FrameWindow& window, int buttonsLeft, int clientX,
                                 int clientY);

} // namespace orvane
