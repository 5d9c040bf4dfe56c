#include "framework/TTrackBar.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultTrackBarWidth = 150;
constexpr int DefaultTrackBarHeight = 45;

} // namespace

const TClassInfo TTrackBar::ClassInfo{L"TTrackBar", &TWinControl::ClassInfo, {}};

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultTrackBarWidth, DefaultTrackBarHeight);
}

void TTrackBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = TRACKBAR_CLASSW;
    params.Style |= WS_TABSTOP | TBS_ENABLESELRANGE;
    params.Style |= orientation == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
    switch (tickMarks) {
    case TTickMark::tmBottomRight:
        params.Style |= TBS_BOTTOM;
        break;
    case TTickMark::tmTopLeft:
        params.Style |= TBS_TOP;
        break;
    case TTickMark::tmBoth:
        params.Style |= TBS_BOTH;
        break;
    }
    if (tickStyle == TTickStyle::tsNone)
        params.Style |= TBS_NOTICKS;
    else if (tickStyle == TTickStyle::tsAuto)
        params.Style |= TBS_AUTOTICKS;
}

void TTrackBar::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND window = WindowHandle();
    SendMessageW(window, TBM_SETRANGEMIN, FALSE, LPARAM(minimum));
    SendMessageW(window, TBM_SETRANGEMAX, FALSE, LPARAM(maximum));
    SendMessageW(window, TBM_SETTICFREQ, WPARAM(frequency), 0);
    SendMessageW(window, TBM_SETSEL, FALSE, MAKELPARAM(selStart, selEnd));
    SendMessageW(window, TBM_SETPOS, TRUE, LPARAM(position));
    reported = int(SendMessageW(window, TBM_GETPOS, 0, 0));
}

void TTrackBar::WndProc(TMessage& message)
{
    TWinControl::WndProc(message);
    HWND window = WindowHandle();
    if (!window || message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY)
        return;
    const bool mayMove = (message.Msg >= WM_KEYFIRST && message.Msg <= WM_KEYLAST) ||
                         (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) || message.Msg == TBM_SETPOS ||
                         message.Msg == TBM_SETRANGEMIN || message.Msg == TBM_SETRANGEMAX || message.Msg == WM_TIMER;
    if (!mayMove)
        return;
    const int now = int(SendMessageW(window, TBM_GETPOS, 0, 0));
    if (now == reported)
        return;
    reported = now;
    position = now;
    if (OnChange)
        OnChange(this);
}

void TTrackBar::SetRange(int newMin, int newMax)
{
    minimum = newMin;
    maximum = newMax;
    if (HWND window = WindowHandle()) {
        SendMessageW(window, TBM_SETRANGEMIN, FALSE, LPARAM(minimum));
        SendMessageW(window, TBM_SETRANGEMAX, TRUE, LPARAM(maximum));
    }
}

int TTrackBar::Position() const
{
    if (HWND window = WindowHandle())
        return int(SendMessageW(window, TBM_GETPOS, 0, 0));
    return position;
}

void TTrackBar::SetPosition(int value)
{
    position = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, TBM_SETPOS, TRUE, LPARAM(value));
}

void TTrackBar::SetFrequency(int value)
{
    frequency = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, TBM_SETTICFREQ, WPARAM(value), 0);
}

void TTrackBar::SetSelection(int start, int end)
{
    selStart = start;
    selEnd = end;
    if (HWND window = WindowHandle())
        SendMessageW(window, TBM_SETSEL, TRUE, MAKELPARAM(start, end));
}

} // namespace orvane::framework
