#include "skin/controls/TvelSkinWndToolbarWindow32.h"

#include <commctrl.h>

namespace orvane::skin {

namespace {

bool WindowsNineXLine()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&version);
#pragma GCC diagnostic pop
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

} // namespace

void TvelSkinWndToolbarWindow32::Init()
{
    if (!WindowsNineXLine())
        return;
    HWND window = GetHandle();
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT);
}

} // namespace orvane::skin
