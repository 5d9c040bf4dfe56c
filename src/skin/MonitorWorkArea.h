#pragma once

#include <windows.h>

namespace orvane::skin {

// The work area of the monitor a window is on (the system's work area when
// the program has no main form yet), with the bottom one pixel higher.
RECT GetMonitorWorkArea(HWND window);

} // namespace orvane::skin
