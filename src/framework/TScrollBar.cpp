#include "framework/TScrollBar.h"

#include <algorithm>

namespace orvane::framework {

namespace {

constexpr int DefaultLength = 121;
constexpr int DefaultThickness = 17;
constexpr int LargeStep = 10;

} // namespace

const TClassInfo TScrollBar::ClassInfo{L"TScrollBar", &TWinControl::ClassInfo, {}};

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultLength, DefaultThickness);
}

void TScrollBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = L"SCROLLBAR";
    params.Style |= WS_TABSTOP | (kind == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ);
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
}

void TScrollBar::CreateWnd()
{
    TWinControl::CreateWnd();
    ApplyScrollInfo();
}

void TScrollBar::ApplyScrollInfo()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    SCROLLINFO info{sizeof(info), SIF_ALL, minimum, maximum, UINT(pageSize), position, 0};
    SetScrollInfo(window, SB_CTL, &info, TRUE);
}

void TScrollBar::SetParams(int newPosition, int newMin, int newMax, int newPageSize)
{
    minimum = newMin;
    maximum = std::max(newMin, newMax);
    pageSize = std::max(0, newPageSize);
    position = std::clamp(newPosition, minimum, std::max(minimum, maximum - std::max(0, pageSize - 1)));
    ApplyScrollInfo();
}

int TScrollBar::Position() const
{
    if (HWND window = WindowHandle())
        return GetScrollPos(window, SB_CTL);
    return position;
}

void TScrollBar::SetPosition(int value)
{
    const int last = std::max(minimum, maximum - std::max(0, pageSize - 1));
    const int clamped = std::clamp(value, minimum, last);
    if (clamped == Position() && clamped == position)
        return;
    position = clamped;
    if (HWND window = WindowHandle())
        SetScrollPos(window, SB_CTL, position, TRUE);
    if (OnChange)
        OnChange(this);
}

void TScrollBar::Scroll(int request)
{
    HWND window = WindowHandle();
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window, SB_CTL, &info);
    const int page = pageSize > 0 ? pageSize : LargeStep;
    switch (request) {
    case SB_LINEUP:
        SetPosition(info.nPos - 1);
        break;
    case SB_LINEDOWN:
        SetPosition(info.nPos + 1);
        break;
    case SB_PAGEUP:
        SetPosition(info.nPos - page);
        break;
    case SB_PAGEDOWN:
        SetPosition(info.nPos + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetPosition(info.nTrackPos);
        break;
    case SB_TOP:
        SetPosition(minimum);
        break;
    case SB_BOTTOM:
        SetPosition(maximum);
        break;
    default:
        break;
    }
}

void TScrollBar::WndProc(TMessage& message)
{
    if (message.Msg == CN_BASE + WM_HSCROLL || message.Msg == CN_BASE + WM_VSCROLL) {
        Scroll(LOWORD(message.WParam));
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace orvane::framework
