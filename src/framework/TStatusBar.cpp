#include "framework/TStatusBar.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultStatusHeight = 19;

} // namespace

const TClassInfo TCustomStatusBar::ClassInfo{L"TCustomStatusBar", &TWinControl::ClassInfo, {}};
const TClassInfo TStatusBar::ClassInfo{L"TStatusBar", &TCustomStatusBar::ClassInfo, {}};

TCustomStatusBar::TCustomStatusBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 0, DefaultStatusHeight);
    SetAlign(TAlign::alBottom);
}

void TCustomStatusBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = STATUSCLASSNAMEW;
    // The framework places the bar; the system must not move it.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (sizeGrip)
        params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessageW(WindowHandle(), SB_SIMPLE, TRUE, 0);
    SendMessageW(WindowHandle(), SB_SETTEXTW, SB_SIMPLEID, LPARAM(simpleText.c_str()));
}

void TCustomStatusBar::WndProc(TMessage& message)
{
    TWinControl::WndProc(message);
    if (message.Msg == WM_SIZE && WindowHandle())
        InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TCustomStatusBar::SetSimpleText(const std::wstring& value)
{
    simpleText = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, SB_SETTEXTW, SB_SIMPLEID, LPARAM(simpleText.c_str()));
}

} // namespace orvane::framework
