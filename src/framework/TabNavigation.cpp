#include "framework/TabNavigation.h"

#include "framework/TForm.h"

#include <algorithm>
#include <vector>

namespace orvane::framework {

namespace {

bool IsUsable(HWND window) { return IsWindowVisible(window) && IsWindowEnabled(window); }

bool IsTabStop(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP) != 0; }

// The tab stops under `parent`, depth first: a hidden or disabled window
// hides its children too, as the dialog manager treats them.
void CollectTabStops(HWND parent, std::vector<HWND>& stops)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsUsable(child))
            continue;
        if (IsTabStop(child))
            stops.push_back(child);
        CollectTabStops(child, stops);
    }
}

// The framework form that holds a window: the window itself or its nearest
// parent, never beyond a top-level window (whose "parent" is its owner).
TCustomForm* FormHolding(HWND window)
{
    for (; window; window = GetParent(window)) {
        if (auto* form = As<TCustomForm>(TWinControl::FindControl(window)))
            return form;
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
            return nullptr;
    }
    return nullptr;
}

} // namespace

HWND NextTabStop(HWND root, HWND focus, TTabDirection direction)
{
    std::vector<HWND> stops;
    CollectTabStops(root, stops);
    if (stops.empty())
        return nullptr;
    // The tab stop that holds the focus: the focus may be in a part of one,
    // such as the edit of a combo box.
    auto current = stops.end();
    for (HWND window = focus; window && window != root && current == stops.end(); window = GetParent(window))
        current = std::find(stops.begin(), stops.end(), window);
    const bool forward = direction == TTabDirection::Forward;
    if (current == stops.end())
        return forward ? stops.front() : stops.back();
    const std::size_t at = std::size_t(current - stops.begin());
    const std::size_t count = stops.size();
    return stops[forward ? (at + 1) % count : (at + count - 1) % count];
}

bool MoveFocusOnTabKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB)
        return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    TCustomForm* form = FormHolding(message.hwnd);
    if (!form || !form->HandleAllocated())
        return false;
    auto* request = const_cast<MSG*>(&message); // WM_GETDLGCODE passes the message by address
    if (SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(request)) & DLGC_WANTTAB)
        return false;
    const TTabDirection direction = GetKeyState(VK_SHIFT) < 0 ? TTabDirection::Backward : TTabDirection::Forward;
    HWND next = NextTabStop(form->WindowHandle(), message.hwnd, direction);
    if (!next)
        return false;
    // The keyboard is in use now: focus rectangles show, as in a dialog.
    SendMessageW(form->WindowHandle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(next);
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(next, EM_SETSEL, 0, -1);
    return true;
}

} // namespace orvane::framework
