#include "core/skinframe/NonClientArea.h"

#include <algorithm>

namespace orvane {
namespace {

// The least frame at the sides and bottom of a window that is not an MDI
// window, so that the system's sizing borders stay reachable.
// Near the top edge, the button strip's rows up to this one belong to the
// buttons rather than to the sizing border.
constexpr int TopEdgeButtonRows = 7;
// Skins whose buttons start at this row or lower leave the top edge alone.
constexpr int TopEdgeButtonLimit = 4;

} // namespace

NonClientResult SkinnedClientRect(const FrameMetrics& metrics, const FrameWindow& window, const Rect& proposedWindow,
                                  const Rect& defaultClient)
{
    NonClientResult result{defaultClient, window.titleExtra};
    const int x = proposedWindow.left, y = proposedWindow.top;
    const int right = proposedWindow.right, bottom = proposedWindow.bottom;
    const int t = window.titleHeight;
    Rect& client = result.client;

    if (t == 0 && !window.MaximizedMDIChild()) {
        client.top = y;
    } else if (window.MaximizedMDIChild()) {
        client.top = 0;
    } else if (window.origTopHeight > 0) {
        result.titleExtra = std::max(window.origTopHeight - t, 0);
        client.top = y + std::max(t, window.origTopHeight);
    }

    if (!window.hasBorder) {
        client.left = x;
        client.right = right;
        if (window.origTopHeight > 0)
            client.bottom = bottom;
    } else if (window.isMDIFrame || window.isMDIChild) {
        // MDI windows keep the gaps their frame had; without one the
        // default processing's sides stand.
        if (window.mdiSideGap > 0) {
            client.left = x + std::max(metrics.leftBorderWidth, window.mdiSideGap);
            client.right = right - std::max(metrics.rightBorderWidth, window.mdiSideGap);
            client.bottom = bottom - std::max(metrics.bottomBorderHeight, window.mdiBottomGap);
        }
    } else {
        client.left = x + std::max(metrics.leftBorderWidth, LeastFrameWidth);
        client.right = right - std::max(metrics.rightBorderWidth, LeastFrameWidth);
        client.bottom = bottom - std::max(metrics.bottomBorderHeight, LeastFrameWidth);
    }
    return result;
}

bool IsTitleButtonPointAtTopEdge(const FrameMetrics& metrics, const FrameWindow& window, int buttonsLeft, int clientX,
                                 int clientY)
{
    if (metrics.buttonY >= metrics.Scaled(TopEdgeButtonLimit))
        return false;
    const int x = clientX + metrics.leftBorderWidth;
    const int y = clientY + metrics.titleHeight;
    return y <= metrics.Scaled(TopEdgeButtonRows) && y >= metrics.buttonY && x >= buttonsLeft &&
           x <= window.width - metrics.buttonX;
}

} // namespace orvane
