#include "skin/painters/FrameDrawing.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int ControlFrameWidth = 2;

RECT WholeWindow(HWND window)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void FrameRectangle(HDC dc, const RECT& rect, TColor color)
{
    const TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    FrameRect(dc, &rect, brush.Get());
}

} // namespace

void FrameControl(TWinControl& control, const TSkinLook& look, TColor color)
{
    HWND window = control.WindowHandle();
    if (!window)
        return;
    const TWindowDC dc(window);
    RECT edge = WholeWindow(window);
    for (int ring = 0; ring < ControlFrameWidth; ++ring) {
        FrameRectangle(dc.Handle(), edge, color);
        InflateRect(&edge, -1, -1);
    }
    const RECT leftEdge{0, 0, 1, WholeWindow(window).bottom};
    const TBrushHandle border(CreateSolidBrush(COLORREF(look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR))));
    FillRect(dc.Handle(), &leftEdge, border.Get());
}

void DrawWindowFrame(HWND window, TColor outer, TColor inner, bool drawInner)
{
    if (!window)
        return;
    const TWindowDC dc(window);
    RECT edge = WholeWindow(window);
    FrameRectangle(dc.Handle(), edge, outer);
    if (!drawInner)
        return;
    InflateRect(&edge, -1, -1);
    FrameRectangle(dc.Handle(), edge, inner);
}

void PaintSunkenBorder(const TSkinLook& look, HWND window, TColor inner)
{
    DrawWindowFrame(window, TColor(look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR)), inner, true);
}

bool SystemRedrawsFrameOn(UINT message)
{
    return message == WM_NCPAINT || message == WM_SETFOCUS || message == WM_KILLFOCUS;
}

} // namespace orvane::skin
