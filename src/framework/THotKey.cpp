#include "framework/THotKey.h"

#include "framework/PublishedProperties.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultHotKeyWidth = 121;
constexpr int DefaultHotKeyHeight = 19;

constexpr TPropertyInfo HotKeyProperties[] = {
    PublishedValue<TCustomHotKey, &TCustomHotKey::BorderStyle, &TCustomHotKey::SetBorderStyle>(
        L"BorderStyle", TPropertyKind::Enumeration),
};

} // namespace

const TClassInfo TCustomHotKey::ClassInfo{L"TCustomHotKey", &TWinControl::ClassInfo, HotKeyProperties};
const TClassInfo THotKey::ClassInfo{L"THotKey", &TCustomHotKey::ClassInfo, {}};

TCustomHotKey::TCustomHotKey(TComponent* owner) : TWinControl(owner)
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    SetBounds(0, 0, DefaultHotKeyWidth, DefaultHotKeyHeight);
}

void TCustomHotKey::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = HOTKEY_CLASSW;
    params.Style |= WS_TABSTOP;
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
    if (borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomHotKey::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessageW(WindowHandle(), HKM_SETHOTKEY, hotKey, 0);
}

WORD TCustomHotKey::HotKey() const
{
    if (HWND window = WindowHandle())
        return WORD(SendMessageW(window, HKM_GETHOTKEY, 0, 0));
    return hotKey;
}

void TCustomHotKey::SetHotKey(WORD value)
{
    hotKey = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, HKM_SETHOTKEY, value, 0);
}

} // namespace orvane::framework
