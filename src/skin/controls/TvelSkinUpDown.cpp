#include "skin/controls/TvelSkinUpDown.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "skin/look/TSkinLook.h"

#include <commctrl.h>
#include <windowsx.h>

namespace orvane::skin {

using namespace framework;

void TvelSkinUpDown::AfterMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN: {
        const RECT client = GetBounds();
        const bool horizontal = (GetWindowLongW(GetHandle(), GWL_STYLE) & UDS_HORZ) != 0;
        const int at = horizontal ? GET_X_LPARAM(message.LParam) : GET_Y_LPARAM(message.LParam);
        const int length = horizontal ? client.right : client.bottom;
        pressedHalf = at < 0 || at >= length ? 0 : at < length / 2 ? -1 : 1;
        break;
    }
    case WM_LBUTTONUP:
        pressedHalf = 0;
        break;
    case WM_LBUTTONDBLCLK:
        Repaint();
        break;
    default:
        break;
    }
    TvelSkinControlFramework::AfterMessage(message);
}

void TvelSkinUpDown::Paint()
{
    HWND window = GetHandle();
    if (!window)
        return;
    const TClientDC dc(window);
    if (!dc.Handle())
        return;
    const RECT client = GetBounds();
    const bool horizontal = (GetWindowLongW(window, GWL_STYLE) & UDS_HORZ) != 0;
    RECT first = client, second = client;
    if (horizontal)
        first.right = second.left = client.right / 2;
    else
        first.bottom = second.top = client.bottom / 2;
    const TSkinLook& look = Look();
    const TBrushHandle border(CreateSolidBrush(look.GetSkinColor(SKIN2_TOOLBARBORDERCOLOR)));
    const TBrushHandle down(CreateSolidBrush(look.GetSkinColor(SKIN2_TOOLBARDOWNCOLOR)));
    FrameRect(dc.Handle(), &first, border.Get());
    FrameRect(dc.Handle(), &second, border.Get());
    if (pressedHalf != 0 && Pressed()) {
        RECT inner = pressedHalf < 0 ? first : second;
        InflateRect(&inner, -1, -1);
        FrameRect(dc.Handle(), &inner, down.Get());
    }
}

} // namespace orvane::skin
