#pragma once

#include <windows.h>

namespace orvane::framework {

// One window message as the framework passes it around: a control's
// WindowProc may read and change every field, and the result goes back to
// the sender.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// The framework's own control notifications. Their numbers are fixed, because
// control skins answer to them by number.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_FONTCHANGED = CM_BASE + 9;
constexpr UINT CM_COLORCHANGED = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 24;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 25;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 26;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 29;
// Posted to a form that closes with caFree: when it arrives, the application
// destroys the form after that message, outside every window procedure.
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;

static_assert(CM_MOUSEENTER == 0xB013 && CM_MOUSELEAVE == 0xB014 && CM_INVALIDATE == 0xB034);
static_assert(CM_GOTFOCUS == 0xB002 && CM_VISIBLECHANGED == 0xB00B && CM_ENABLEDCHANGED == 0xB00C &&
              CM_TEXTCHANGED == 0xB012);

// Notifications that a parent window receives about a child (WM_COMMAND,
// WM_NOTIFY, ...) are reflected to the child control as CN_BASE + message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

// A mouse button going down, coming up or double-clicking, any button.
constexpr bool IsMouseButtonMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

} // namespace orvane::framework
