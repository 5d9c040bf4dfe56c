#include "skin/controls/TvelSkinInternalComboButton.h"

#include "skin/look/TSkinContext.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/ComboBoxDrawing.h"

namespace orvane::skin {

namespace {

constexpr int ArrowAboveCentre = 2;

} // namespace

void TvelSkinInternalComboButton::PaintTo(HDC dc)
{
    const RECT client = ClientRect();
    PaintDropDownButton(context.Look(), dc, client, client.bottom / 2 - ArrowAboveCentre, !isEnabled || isEnabled(), false);
}

void TvelSkinInternalComboButton::MouseButton(UINT message, POINT client)
{
    if (message == WM_MOUSEMOVE || !IsWindow(target))
        return;
    POINT at = client;
    MapWindowPoints(Handle(), target, &at, 1);
    SendMessageW(target, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
}

} // namespace orvane::skin
