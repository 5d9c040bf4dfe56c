#include "skin/controls/TvelSkinInternalScrollBar.h"

namespace orvane::skin {

void TvelSkinInternalScrollBar::MouseButton(UINT message, POINT client)
{
    if (message == WM_MOUSEMOVE || !IsWindow(control))
        return;
    POINT screen = client;
    ClientToScreen(Handle(), &screen);
    const UINT forwarded = message == WM_LBUTTONDOWN ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP;
    SendMessageW(control, forwarded, vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
}

} // namespace orvane::skin
