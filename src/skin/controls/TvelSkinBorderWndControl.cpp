#include "skin/controls/TvelSkinBorderWndControl.h"

#include "core/skinmodel/SkinKeys.h"
#include "skin/painters/FrameDrawing.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

void TvelSkinBorderWndControl::AfterMessage(TMessage& message)
{
    TvelSkinControlWnd::AfterMessage(message);
    if (message.Msg == WM_NCPAINT || message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS)
        Repaint();
}

bool TvelSkinBorderWndControl::HasEdge() const
{
    HWND window = Handle();
    return window && ((GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) != 0 ||
                      (GetWindowLongW(window, GWL_STYLE) & WS_BORDER) != 0);
}

void TvelSkinBorderWndControl::PaintBorder()
{
    HWND window = Handle();
    if (!window || !HasEdge())
        return;
    DrawWindowFrame(window, TColor(Look().GetSkinColor(SKIN2_CONTROLBORDERCOLOR)), TColor(GetSysColor(COLOR_WINDOW)),
                    true);
}

void TvelSkinBorderWndControl::Paint() { PaintBorder(); }

} // namespace orvane::skin
