#include "framework/ScrollRequests.h"

namespace orvane::framework {

std::optional<int> RequestedScrollPosition(HWND window, int bar, int request, int lineStep)
{
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window, bar, &info);
    switch (request) {
    case SB_LINEUP:
        return info.nPos - lineStep;
    case SB_LINEDOWN:
        return info.nPos + lineStep;
    case SB_PAGEUP:
        return info.nPos - int(info.nPage);
    case SB_PAGEDOWN:
        return info.nPos + int(info.nPage);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return info.nTrackPos;
    default:
        return std::nullopt;
    }
}

} // namespace orvane::framework
