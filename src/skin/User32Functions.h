#pragma once

#include <windows.h>

namespace orvane::skin {

// Functions of "User32.dll" that not every system has, looked up by name once
// when first asked for; each is null where the system lacks it, and the
// feature that needs it is then left out.
struct TUser32Functions {
    using GetAncestorFunction = HWND(WINAPI*)(HWND, UINT);
    using InternalGetWindowTextFunction = int(WINAPI*)(HWND, LPWSTR, int);
    using GetScrollBarInfoFunction = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    using GetComboBoxInfoFunction = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

    GetAncestorFunction GetAncestor = nullptr;
    InternalGetWindowTextFunction InternalGetWindowText = nullptr;
    GetScrollBarInfoFunction GetScrollBarInfo = nullptr;
    GetComboBoxInfoFunction GetComboBoxInfo = nullptr;
};

const TUser32Functions& User32Functions();

} // namespace orvane::skin
