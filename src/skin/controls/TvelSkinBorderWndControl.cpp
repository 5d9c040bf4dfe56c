#include "skin/controls/TvelSkinBorderWndControl.h"

#include "skin/painters/FrameDrawing.h"

namespace orvane::skin {

using namespace framework;

bool TvelSkinBorderWndControl::RedrawsAfter(UINT message) const { return SystemRedrawsFrameOn(message); }

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
    PaintSunkenBorder(Look(), window, TColor(GetSysColor(COLOR_WINDOW)));
}

void TvelSkinBorderWndControl::Paint() { PaintBorder(); }

} // namespace orvane::skin
