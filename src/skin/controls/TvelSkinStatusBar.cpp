#include "skin/controls/TvelSkinStatusBar.h"

#include "framework/GdiOwners.h"
#include "framework/TControl.h"

#include <commctrl.h>

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int GripSize = 15;
constexpr int GripLines = 4;

} // namespace

void TvelSkinStatusBar::Paint()
{
    HWND window = GetHandle();
    if (!window || !(GetWindowLongW(window, GWL_STYLE) & SBARS_SIZEGRIP))
        return;
    const TClientDC dc(window);
    if (!dc.Handle())
        return;
    const RECT client = GetBounds();
    const TBrushHandle face(CreateSolidBrush(ColorToRGB(Control().Color())));
    // The grip square, and the strips above and left of it that the system
    // painted in its own face colour.
    const RECT grip{client.right - GripSize, client.bottom - GripSize, client.right, client.bottom};
    const RECT above{grip.left, client.top, client.right, grip.top};
    const RECT left{grip.left - 2, client.top, grip.left, client.bottom};
    FillRect(dc.Handle(), &grip, face.Get());
    FillRect(dc.Handle(), &above, face.Get());
    FillRect(dc.Handle(), &left, face.Get());

    const TPenHandle line(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_INACTIVECAPTION)));
    TSelectedObject pen;
    pen.Select(dc.Handle(), line.Get());
    for (int index = 1; index <= GripLines; ++index) {
        const int reach = index * 3;
        MoveToEx(dc.Handle(), client.right - 1, client.bottom - 1 - reach, nullptr);
        LineTo(dc.Handle(), client.right - reach, client.bottom);
    }
}

} // namespace orvane::skin
