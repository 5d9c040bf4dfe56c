#include "framework/TProgressBar.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultProgressWidth = 150;
constexpr int DefaultProgressHeight = 16;

} // namespace

const TClassInfo TProgressBar::ClassInfo{L"TProgressBar", &TWinControl::ClassInfo, {}};

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultProgressWidth, DefaultProgressHeight);
}

void TProgressBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = PROGRESS_CLASSW;
    if (orientation == TProgressBarOrientation::pbVertical)
        params.Style |= PBS_VERTICAL;
}

void TProgressBar::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessageW(WindowHandle(), PBM_SETRANGE32, WPARAM(minimum), LPARAM(maximum));
    SendMessageW(WindowHandle(), PBM_SETPOS, WPARAM(position), 0);
}

void TProgressBar::SetRange(int newMin, int newMax)
{
    minimum = newMin;
    maximum = newMax;
    if (HWND window = WindowHandle())
        SendMessageW(window, PBM_SETRANGE32, WPARAM(minimum), LPARAM(maximum));
}

int TProgressBar::Position() const
{
    if (HWND window = WindowHandle())
        return int(SendMessageW(window, PBM_GETPOS, 0, 0));
    return position;
}

void TProgressBar::SetPosition(int value)
{
    position = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, PBM_SETPOS, WPARAM(value), 0);
}

} // namespace orvane::framework
