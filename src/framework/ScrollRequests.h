#pragma once

#include <windows.h>

#include <optional>

namespace orvane::framework {

// The position a scroll bar's request (SB_LINEUP … SB_THUMBTRACK) asks for,
// from the bar's current scroll information; lines are lineStep units. None
// for requests that move nothing (SB_ENDSCROLL and the like).
std::optional<int> RequestedScrollPosition(HWND window, int bar, int request, int lineStep);

} // namespace orvane::framework
