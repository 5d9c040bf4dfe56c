#include "skin/controls/TvelSkinInternalScrollBar2.h"

namespace orvane::skin {

void TvelSkinInternalScrollBar2::MouseButton(UINT message, POINT client)
{
    if (!IsWindow(control))
        return;
    POINT at = client;
    MapWindowPoints(Handle(), control, &at, 1);
    SendMessageW(control, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

} // namespace orvane::skin
