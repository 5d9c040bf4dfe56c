#include "skin/painters/ComboBoxDrawing.h"

#include "core/raster/Arrows.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/Messages.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/ScrollBarDrawing.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int ArrowHalfWidth = 3;
// The style bits that say simple, drop-down or drop-down list.
constexpr LONG ComboBoxKindStyles = 3;

void FrameWith(HDC dc, const RECT& rect, COLORREF color)
{
    const TBrushHandle brush(CreateSolidBrush(color));
    FrameRect(dc, &rect, brush.Get());
}

} // namespace

void PaintDropDownButton(const TSkinLook& look, HDC dc, const RECT& area, int arrowTop, bool enabled,
                         bool lineOnRight)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    TBitmap face(width, height);
    {
        Canvas canvas(face.CoreBitmap());
        canvas.FillRect(Rect{0, 0, width, height}, look.GetSkinColor(SKIN2_CONTROLCOLOR));
        canvas.VertLine(lineOnRight ? width - 1 : 0, 0, height, look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
        DrawArrowDown(canvas, width / 2 - ArrowHalfWidth, arrowTop - area.top,
                      enabled ? ArrowState::Enabled : ArrowState::Disabled);
    }
    BitBlt(dc, area.left, area.top, width, height, face.Canvas().Handle(), 0, 0, SRCCOPY);
}

bool PaintComboBox(const TSkinLook& look, HWND combo, const TComboBoxLook& state)
{
    if (!combo || (GetWindowLongW(combo, GWL_STYLE) & ComboBoxKindStyles) == CBS_SIMPLE)
        return false;
    COMBOBOXINFO info{};
    if (!QueryComboBoxInfo(combo, info))
        return false;
    const TClientDC dc(combo);
    if (!dc.Handle())
        return false;
    RECT client{};
    GetClientRect(combo, &client);
    const COLORREF border = look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
    if (state.innerFrames) {
        FrameWith(dc.Handle(), client, border);
        RECT inner = client;
        InflateRect(&inner, -1, -1);
        FrameWith(dc.Handle(), inner, state.innerColor);
    }
    if (state.listFrame && info.hwndList && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        const TWindowDC listDc(info.hwndList);
        RECT list{};
        GetWindowRect(info.hwndList, &list);
        OffsetRect(&list, -list.left, -list.top);
        FrameWith(listDc.Handle(), list, border);
    }
    const bool rightToLeft = (GetWindowLongW(combo, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const RECT& button = info.rcButton;
    PaintDropDownButton(look, dc.Handle(), button, (button.bottom - button.top) / 2, state.enabled,
                        state.innerFrames && rightToLeft);
    return true;
}

bool SystemRedrawsComboBoxOn(UINT message)
{
    switch (message) {
    case WM_SIZE:
    case WM_MOUSEMOVE:
    case WM_CTLCOLORLISTBOX:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
    case CN_COMMAND:
        return true;
    default:
        return false;
    }
}

} // namespace orvane::skin
