#include "skin/FrameDC.h"

#include "framework/GdiOwners.h"

namespace orvane::skin {

namespace {

DWORD FrameDCFlags(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    DWORD flags = DCX_WINDOW | DCX_CACHE | DCX_NORESETATTRS;
    if (style & WS_CLIPSIBLINGS)
        flags |= DCX_CLIPSIBLINGS;
    if ((style & WS_CLIPCHILDREN) && !(style & WS_MINIMIZE))
        flags |= DCX_CLIPCHILDREN;
    return flags;
}

} // namespace

TFrameDC::TFrameDC(HWND ofWindow) : window(ofWindow), dc(GetDCEx(ofWindow, nullptr, FrameDCFlags(ofWindow)))
{
    framework::detail::DCTaken(dc);
}

TFrameDC::~TFrameDC()
{
    if (!dc)
        return;
    ReleaseDC(window, dc);
    framework::detail::DCGiven();
}

} // namespace orvane::skin
