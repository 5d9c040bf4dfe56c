#include "framework/ShortCuts.h"

namespace orvane::framework {

namespace {

// Names of the keys whose key name the keyboard layout does not give the
// same on every system.
const wchar_t* FixedKeyName(WORD key)
{
    switch (key) {
    case VK_BACK: return L"BkSp";
    case VK_TAB: return L"Tab";
    case VK_RETURN: return L"Enter";
    case VK_ESCAPE: return L"Esc";
    case VK_SPACE: return L"Space";
    case VK_PRIOR: return L"PgUp";
    case VK_NEXT: return L"PgDn";
    case VK_END: return L"End";
    case VK_HOME: return L"Home";
    case VK_LEFT: return L"Left";
    case VK_UP: return L"Up";
    case VK_RIGHT: return L"Right";
    case VK_DOWN: return L"Down";
    case VK_INSERT: return L"Ins";
    case VK_DELETE: return L"Del";
    default: return nullptr;
    }
}

} // namespace

TShortCut ShortCutFromKey(WPARAM virtualKey)
{
    TShortCut modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= scShift;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= scCtrl;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= scAlt;
    return ShortCut(WORD(virtualKey), modifiers);
}

std::wstring ShortCutToText(TShortCut shortCut)
{
    const WORD key = shortCut & 0xFF;
    if (key == 0)
        return {};
    std::wstring name;
    if (const wchar_t* fixed = FixedKeyName(key))
        name = fixed;
    else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        name = std::wstring(1, wchar_t(key));
    else if (key >= VK_F1 && key <= VK_F24)
        name = L"F" + std::to_wstring(key - VK_F1 + 1);
    else {
        wchar_t buffer[32]{};
        const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        if (scan != 0 && GetKeyNameTextW(LONG(scan << 16), buffer, int(std::size(buffer))) > 0)
            name = buffer;
        else
            return {};
    }
    std::wstring text;
    if (shortCut & scShift)
        text += L"Shift+";
    if (shortCut & scCtrl)
        text += L"Ctrl+";
    if (shortCut & scAlt)
        text += L"Alt+";
    return text + name;
}

} // namespace orvane::framework
