#pragma once

#include <windows.h>

#include "framework/WindowDpi.h"

#include <cstdlib>

namespace orvane::test {

// The screen DPI the test run's Wine prefix is set to: ORVANE_TEST_DPI, which
// the DPI runs of the tests set (scripts/wine-dpi-test.sh); 96 otherwise.
inline unsigned ExpectedTestDpi()
{
    const char* text = std::getenv("ORVANE_TEST_DPI");
    if (text == nullptr)
        return 96;
    const long dpi = std::strtol(text, nullptr, 10);
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96;
}

// Sends WM_DPICHANGED as the system does when `window` moves to a monitor of
// `toDpi`: the suggested rectangle is the window moved by `offset`, with its
// client area of `client` pixels scaled from `fromDpi`. Wine keeps the frame
// at the system's DPI, so the frame is added unscaled. Returns the rectangle.
inline RECT SendDpiChanged(HWND window, SIZE client, unsigned fromDpi, unsigned toDpi, POINT offset)
{
    RECT before{};
    GetWindowRect(window, &before);
    const int frameWidth = (before.right - before.left) - client.cx;
    const int frameHeight = (before.bottom - before.top) - client.cy;
    const RECT suggested{before.left + offset.x, before.top + offset.y,
                         before.left + offset.x + frameWidth + ScaleBetweenDpi(client.cx, toDpi, fromDpi),
                         before.top + offset.y + frameHeight + ScaleBetweenDpi(client.cy, toDpi, fromDpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

} // namespace orvane::test
