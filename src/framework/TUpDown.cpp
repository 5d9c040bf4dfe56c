#include "framework/TUpDown.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultUpDownWidth = 17;
constexpr int DefaultUpDownHeight = 25;

} // namespace

const TClassInfo TCustomUpDown::ClassInfo{L"TCustomUpDown", &TWinControl::ClassInfo, {}};
const TClassInfo TUpDown::ClassInfo{L"TUpDown", &TCustomUpDown::ClassInfo, {}};

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultUpDownWidth, DefaultUpDownHeight);
}

void TCustomUpDown::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = UPDOWN_CLASSW;
    if (orientation == TUDOrientation::udHorizontal)
        params.Style |= UDS_HORZ;
}

void TCustomUpDown::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessageW(WindowHandle(), UDM_SETRANGE32, WPARAM(minimum), LPARAM(maximum));
    SendMessageW(WindowHandle(), UDM_SETPOS32, 0, LPARAM(position));
}

void TCustomUpDown::SetRange(int newMin, int newMax)
{
    minimum = newMin;
    maximum = newMax;
    if (HWND window = WindowHandle())
        SendMessageW(window, UDM_SETRANGE32, WPARAM(minimum), LPARAM(maximum));
}

int TCustomUpDown::Position() const
{
    if (HWND window = WindowHandle())
        return int(SendMessageW(window, UDM_GETPOS32, 0, 0));
    return position;
}

void TCustomUpDown::SetPosition(int value)
{
    position = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, UDM_SETPOS32, 0, LPARAM(value));
}

} // namespace orvane::framework
