#include "skin/controls/TvelSkinWndButton.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "framework/TFont.h"
#include "skin/SystemFonts.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/SkinPainting.h"

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

TvelSkinWndButton::~TvelSkinWndButton() { StopTimer(); }

void TvelSkinWndButton::Init()
{
    mouseArmed = false;
    firstPaintDone = false;
    if (!Window().HasAnimatedChild())
        timerRunning = SetTimer(GetHandle(), HoverTimerId, HoverTimerMilliseconds, nullptr) != 0;
}

void TvelSkinWndButton::Release()
{
    StopTimer();
    TvelSkinControlWnd::Release();
}

void TvelSkinWndButton::StopTimer()
{
    if (timerRunning && IsWindow(GetHandle()))
        KillTimer(GetHandle(), HoverTimerId);
    timerRunning = false;
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

void TvelSkinWndButton::AfterMessage(TMessage& message)
{
    TvelSkinControlWnd::AfterMessage(message);
    if (message.Msg == WM_SETFOCUS)
        Paint();
}

void TvelSkinWndButton::MouseDown()
{
    SetFocus(GetHandle());
    mouseArmed = true;
}

void TvelSkinWndButton::MouseUp()
{
    const bool armed = mouseArmed;
    mouseArmed = false;
    if (!armed)
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
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, width, height}, look.GetSkinColor(SKIN2_FORMCOLOR));
        DrawButtonFrame(look, canvas, Rect{0, 0, width, height}, Pressed() ? 3 : Hot() ? 2 : 1);
    }
    if (GetFocus() == GetHandle()) {
        RECT focus{5, 5, width - 5, height - 5};
        if (Pressed())
            OffsetRect(&focus, 1, 1);
        DrawFocusRect(image.Canvas().Handle(), &focus);
    }
    wchar_t text[LongestText + 1] = {};
    GetWindowTextW(GetHandle(), text, LongestText + 1);
    TFont font;
    AssignButtonFont(font, look.GetSkinColor(SKIN2_BUTTONFONTCOLOR));
    DrawCaption(image, text, false, bounds, &font);
}

} // namespace orvane::skin
