#include "skin/controls/TvelSkinWndButton.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "framework/TFont.h"
#include "skin/SystemFonts.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/ButtonPainting.h"

namespace orvane::skin {

using namespace framework;

namespace {

// The hover timer's identifier on the button window (the system button
// sets no timers of its own).
constexpr UINT_PTR HoverTimerId = 0x5B17;
constexpr int LongestText = 259;

// The menu font in the skin's button text colour.
void AssignButtonFont(TFont& font, COLORREF color)
{
    LOGFONTW logical{};
    if (GetObjectW(MenuFont(), sizeof(logical), &logical)) {
        font.SetName(logical.lfFaceName);
        font.SetHeight(logical.lfHeight);
        font.SetCharset(logical.lfCharSet);
    }
    font.SetColor(TColor(color));
}

} // namespace

TvelSkinWndButton::TvelSkinWndButton(HWND button, TSkinControlHost& window) : TvelSkinControlWnd(button, window) {}

void TvelSkinWndButton::Init()
{
    clicks.Reset();
    firstPaintDone = false;
    if (!Window().HasAnimatedChild())
        hoverTimer.Start(GetHandle(), HoverTimerId, HoverTimerMilliseconds);
}

void TvelSkinWndButton::Release()
{
    hoverTimer.Stop();
    TvelSkinControlWnd::Release();
}

void TvelSkinWndButton::HoverTick()
{
    if (Hot()) {
        POINT cursor{};
        RECT place{};
        GetCursorPos(&cursor);
        GetWindowRect(GetHandle(), &place);
        if (!PtInRect(&place, cursor)) {
            SetState(StateHot | StatePressed, false);
            Paint();
        }
    }
    if (!firstPaintDone) {
        firstPaintDone = true;
        Paint();
    }
}

bool TvelSkinWndButton::BeforeMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_TIMER:
        if (message.WParam != HoverTimerId)
            return true;
        if (!released)
            HoverTick();
        return false;
    case WM_KEYDOWN:
        message.Result = 0;
        return message.WParam != VK_RETURN;
    case WM_MOUSEMOVE:
        SetState(StateHot, true);
        Paint();
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetState(StatePressed, true);
        Paint();
        message.Result = 0;
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Paint();
        message.Result = 0;
        return false;
    case WM_PAINT:
        AnswerPaint(message);
        return false;
    case WM_ERASEBKGND:
        Paint();
        return true;
    default:
        return true;
    }
}

bool TvelSkinWndButton::RedrawsAfter(UINT message) const { return ButtonFaceChangesOn(message); }

void TvelSkinWndButton::MouseDown()
{
    SetFocus(GetHandle());
    clicks.Press(true);
}

void TvelSkinWndButton::MouseUp()
{
    if (!clicks.Release())
        return;
    HWND button = GetHandle();
    const int id = GetDlgCtrlID(button);
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(button));
}

void TvelSkinWndButton::Paint()
{
    const RECT bounds = GetBounds();
    const int width = bounds.right, height = bounds.bottom;
    if (width <= 0 || height <= 0)
        return;
    const TSkinLook& look = Look();
    TBitmap image(width, height);
    PaintButtonFace(look, image, look.GetSkinColor(SKIN2_FORMCOLOR),
                    TButtonFaceState{Hot(), Pressed(), GetFocus() == GetHandle()});
    wchar_t text[LongestText + 1] = {};
    GetWindowTextW(GetHandle(), text, LongestText + 1);
    TFont font;
    AssignButtonFont(font, look.GetSkinColor(SKIN2_BUTTONFONTCOLOR));
    DrawCaption(image, text, false, bounds, &font);
}

} // namespace orvane::skin
