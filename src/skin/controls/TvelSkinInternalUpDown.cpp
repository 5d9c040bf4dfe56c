#include "skin/controls/TvelSkinInternalUpDown.h"

#include "skin/look/TSkinContext.h"
#include "skin/look/TSkinLook.h"
#include "core/raster/Arrows.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int ArrowHalfWidth = 3;
constexpr int ArrowHeight = 4;

} // namespace

void TvelSkinInternalUpDown::PaintTo(HDC dc)
{
    const RECT client = ClientRect();
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0)
        return;
    TBitmap face(width, height);
    {
        Canvas canvas(face.CoreBitmap());
        const Color border = context.Look().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
        canvas.FillRect(Rect{0, 0, width, height}, context.Look().GetSkinColor(SKIN2_CONTROLCOLOR));
        canvas.VertLine(0, 0, height, border);
        canvas.HorzLine(0, height / 2, width, border);
        const ArrowState state = !isEnabled || isEnabled() ? ArrowState::Enabled : ArrowState::Disabled;
        const int half = height / 2;
        DrawArrowUp(canvas, width / 2, (half - ArrowHeight) / 2, state);
        DrawArrowDown(canvas, width / 2 - ArrowHalfWidth, half + 1 + (half - ArrowHeight) / 2, state);
    }
    BitBlt(dc, 0, 0, width, height, face.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TvelSkinInternalUpDown::MouseButton(UINT message, POINT client)
{
    HWND target = upDown ? upDown() : nullptr;
    if (message == WM_MOUSEMOVE || !target)
        return;
    // The same share of the height on the picker's up-down, whose size may
    // differ from this one's.
    RECT own = ClientRect(), theirs{};
    GetClientRect(target, &theirs);
    const int y = own.bottom > 0 ? int(client.y * theirs.bottom / own.bottom) : 0;
    const int x = own.right > 0 ? int(client.x * theirs.right / own.right) : 0;
    SendMessageW(target, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
}

} // namespace orvane::skin
