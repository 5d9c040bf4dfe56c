#include "framework/TToolBarMenuTracker.h"

#include "framework/GuardedCallback.h"
#include "framework/TApplication.h"
#include "framework/TMenu.h"
#include "framework/TMenuItem.h"
#include "framework/TToolBar.h"
#include "framework/TToolButton.h"
#include "framework/TWindowsHook.h"
#include "framework/UserOwners.h"

namespace orvane::framework {

namespace {

// The tracker whose drop-down is open on this thread: the message filter
// hook has no other way to find it.
thread_local TToolBarMenuTracker* openTracker = nullptr;

bool OpensDropDown(const TToolButton* button)
{
    return button && button->Visible() && button->Enabled() && button->MenuItem() &&
           button->MenuItem()->Enabled() && button->MenuItem()->Count() > 0;
}

} // namespace

void TToolBarMenuTracker::Track(TToolButton& first, bool selectFirst)
{
    if (tracking || !first.MenuItem())
        return;
    if (first.MenuItem()->Count() == 0) {
        first.MenuItem()->Click();
        return;
    }
    tracking = true;
    HWND window = bar.Handle();
    TToolButton* button = &first;
    TToolButton* lastOpen = nullptr;
    bool keyboard = selectFirst;
    TMenuItem* chosen = nullptr;
    closedByEscape = false;
    while (OpensDropDown(button) && !chosen && IsWindow(window)) {
        TMenuItem* dropItem = button->MenuItem();
        const TMenu* menu = dropItem->Menu();
        const TMenuHandle dropDown = dropItem->CreateDropDown(menu && menu->OwnerDraw());
        nextButton = nullptr;
        openButton = button;
        openMenu = dropDown.Get();
        lastOpen = button;
        closedByEscape = false;
        selectedMenu = nullptr;
        selectedOpensSubmenu = false;
        bar.SetButtonPressed(*button, true);
        RECT place = bar.ButtonRect(*button);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&place), 2);
        TPMPARAMS keepClear{sizeof(TPMPARAMS), place};
        // The menu's own loop reads this key first and highlights the first
        // item, as a menu opened from the keyboard does.
        if (keyboard)
            PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
        GetCursorPos(&lastPointer);
        int command = 0;
        {
            const TWindowsHook filter(WH_MSGFILTER, MessageFilter);
            openTracker = this;
            command = TrackPopupMenuEx(dropDown.Get(),
                                       TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON,
                                       place.left, place.bottom, window, &keepClear);
            openTracker = nullptr;
        }
        openMenu = nullptr;
        if (!IsWindow(window))
            break;
        bar.SetButtonPressed(*button, false);
        if (command != 0)
            chosen = dropItem->Find(command);
        button = nextButton;
        keyboard = nextSelectsFirst;
    }
    openButton = nullptr;
    tracking = false;
    if (Application)
        Application->UpdateMouseControl();
    if (chosen) {
        chosen->Click();
        return;
    }
    // Escape closes the drop-down but not the menu bar: its item stays
    // highlighted and the arrows go on from there, as on a system menu bar.
    if (closedByEscape && lastOpen && IsWindow(window))
        bar.EnterMenuMode(lastOpen);
}

void TToolBarMenuTracker::MenuSelected(WPARAM wParam, LPARAM lParam)
{
    if (!tracking)
        return;
    selectedMenu = reinterpret_cast<HMENU>(lParam);
    selectedOpensSubmenu = (HIWORD(wParam) & MF_POPUP) != 0 && HIWORD(wParam) != 0xFFFF;
}

LRESULT CALLBACK TToolBarMenuTracker::MessageFilter(int code, WPARAM wParam, LPARAM lParam)
{
    // A failure here is shown after the message that opened the menu; the
    // menu goes on with the message as if the filter had let it pass.
    const bool taken = GuardedCallback(false, [&] {
        return code == MSGF_MENU && openTracker && openTracker->FilterMenuMessage(*reinterpret_cast<MSG*>(lParam));
    });
    if (taken)
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// True when the message is taken here and the menu must not see it.
bool TToolBarMenuTracker::FilterMenuMessage(MSG& message)
{
    // The menu's loop ends on the message that closes the menu: when the
    // loop ends, this tells whether Escape closed it. An Escape that only
    // closes a submenu is followed by other messages.
    closedByEscape = message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE;
    switch (message.message) {
    case WM_MOUSEMOVE: {
        POINT pointer{};
        GetCursorPos(&pointer);
        if (pointer.x == lastPointer.x && pointer.y == lastPointer.y)
            return false;
        lastPointer = pointer;
        TToolButton* over = ButtonAtScreen(pointer);
        if (over != openButton && OpensDropDown(over)) {
            SwitchTo(over, false);
            return true;
        }
        return false;
    }
    case WM_LBUTTONDOWN: {
        POINT pointer{};
        GetCursorPos(&pointer);
        if (openButton && ButtonAtScreen(pointer) == openButton) {
            // A second click on the open item closes its menu.
            SwitchTo(nullptr, false);
            return true;
        }
        return false;
    }
    case WM_KEYDOWN:
        // Left leaves the drop-down only from its own level, right only when
        // the highlighted item opens no submenu.
        if (message.wParam == VK_LEFT && (!selectedMenu || selectedMenu == openMenu)) {
            SwitchTo(Neighbour(*openButton, -1), true);
            return true;
        }
        if (message.wParam == VK_RIGHT && !selectedOpensSubmenu) {
            SwitchTo(Neighbour(*openButton, +1), true);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TToolBarMenuTracker::SwitchTo(TToolButton* next, bool selectFirst)
{
    nextButton = next;
    nextSelectsFirst = selectFirst;
    EndMenu();
}

TToolButton* TToolBarMenuTracker::ButtonAtScreen(POINT screen) const
{
    HWND window = bar.WindowHandle();
    if (!window || WindowFromPoint(screen) != window)
        return nullptr;
    ScreenToClient(window, &screen);
    const int index = int(SendMessageW(window, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen)));
    if (index < 0 || index >= bar.ButtonCount())
        return nullptr;
    return bar.Buttons(index);
}

TToolButton* TToolBarMenuTracker::Neighbour(TToolButton& from, int step) const
{
    const int count = bar.ButtonCount();
    const int start = from.Index();
    for (int offset = 1; offset < count; ++offset) {
        TToolButton* candidate = bar.Buttons(((start + step * offset) % count + count) % count);
        if (OpensDropDown(candidate))
            return candidate;
    }
    return &from;
}

} // namespace orvane::framework
