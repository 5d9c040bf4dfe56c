#include "HandInput.h"

#include "WindowTesting.h"

namespace orvane::test {

using namespace framework;

void MoveTo(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE; // a relative move of nothing: the system notes the new place
    SendInput(1, &input, sizeof(input));
}

void Button(DWORD downOrUp)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = downOrUp;
    SendInput(1, &input, sizeof(input));
}

void Pace(DWORD milliseconds) { Sleep(milliseconds); }

int NewClickPace() { return int(GetDoubleClickTime() + GesturePace); }

void ClickAtScreen(POINT screen, DWORD down, DWORD up)
{
    MoveTo(screen);
    Pace();
    Button(down);
    Pace();
    Button(up);
}

void PressKey(WORD virtualKey, WORD heldModifier)
{
    INPUT inputs[4]{};
    int count = 0;
    const auto key = [&](WORD code, bool up) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = code;
        inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++count;
    };
    if (heldModifier)
        key(heldModifier, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (heldModifier)
        key(heldModifier, true);
    constexpr DWORD KeyPace = 40;
    for (int index = 0; index < count; ++index) {
        SendInput(1, &inputs[index], sizeof(INPUT));
        Pace(KeyPace);
    }
}

namespace {

struct TOwnWindowSearch {
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchOwnWindow(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<TOwnWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64]{};
    if (process != GetCurrentProcessId() || !GetClassNameW(window, name, 64) || lstrcmpiW(name, search.className) != 0)
        return TRUE;
    search.found = window;
    return FALSE;
}

// A top-level window of this program with that class: another program's
// dialog on the same display must not stand in for ours.
HWND FindOwnWindow(const wchar_t* className)
{
    TOwnWindowSearch search{className};
    EnumWindows(&MatchOwnWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether the program's thread runs a menu's loop, which then takes the
// hand's keys and clicks: a menu window may show a moment before.
bool ProgramInMenuLoop()
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(ProgramThread(), &info) && (info.flags & GUI_INMENUMODE) != 0;
}

} // namespace

HWND WaitForWindow(const wchar_t* className)
{
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindOwnWindow(className);
        return found && IsWindowVisible(found);
    });
    return found && IsWindowVisible(found) ? found : nullptr;
}

bool WaitForWindowGone(const wchar_t* className)
{
    return WaitUntil([className] {
        HWND found = FindOwnWindow(className);
        return !found || !IsWindowVisible(found);
    });
}

bool PressKeySteps(const std::vector<KeyStep>& steps)
{
    bool allHeld = true;
    for (const KeyStep& step : steps) {
        PressKey(step.key, step.modifier);
        if (step.until && !WaitUntil(step.until))
            allHeld = false;
    }
    // A menu that a step failed to close would hold the program in the
    // menu's own loop for good.
    for (int attempt = 0; attempt < 3 && !MenuGone()(); ++attempt) {
        allHeld = false;
        PressKey(VK_ESCAPE);
        WaitUntil(MenuGone());
    }
    return allHeld;
}

std::function<bool()> MenuShown()
{
    return [] {
        HWND menu = FindOwnWindow(L"#32768");
        return menu && IsWindowVisible(menu) && ProgramInMenuLoop();
    };
}

std::function<bool()> MenuGone()
{
    return [] {
        HWND menu = FindOwnWindow(L"#32768");
        return !menu || !IsWindowVisible(menu);
    };
}

std::function<bool()> MenuHighlights(int position)
{
    return [position] {
        HWND window = FindOwnWindow(L"#32768");
        if (!window || !IsWindowVisible(window))
            return false;
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        const UINT state = menu ? GetMenuState(menu, UINT(position), MF_BYPOSITION) : UINT(-1);
        return state != UINT(-1) && (state & MF_HILITE) != 0;
    };
}

std::function<bool()> BarHotButton(HWND bar, int index)
{
    return [bar, index] { return int(SendMessageW(bar, TB_GETHOTITEM, 0, 0)) == index; };
}

std::function<bool()> HasFocus(HWND window)
{
    return [window] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(ProgramThread(), &info) && info.hwndFocus == window;
    };
}

RECT OpenMenuItemRect(const TMenuItem& item)
{
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow))
        return RECT{};
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int position = 0; menu && position < GetMenuItemCount(menu); ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        RECT rect{};
        if (GetMenuItemInfoW(menu, UINT(position), TRUE, &info) &&
            info.dwItemData == reinterpret_cast<ULONG_PTR>(&item) && GetMenuItemRect(nullptr, menu, UINT(position), &rect))
            return rect;
    }
    return RECT{};
}

void ChooseFromMenuBar(TToolBar& bar, const TMenuItem& item)
{
    const TMenuItem* topLevel = &item;
    while (topLevel->Parent() && topLevel->Parent()->Parent())
        topLevel = topLevel->Parent();
    TToolButton* button = nullptr;
    for (int index = 0; index < bar.ButtonCount(); ++index)
        if (bar.Buttons(index)->MenuItem() == topLevel)
            button = bar.Buttons(index);
    if (!button)
        return;
    RECT place = bar.ButtonRect(*button);
    MapWindowPoints(bar.Handle(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    const POINT onButton{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    const TMenuItem* wanted = &item;
    RunMessageLoopWith({{0, [onButton, wanted, topLevel] {
                             ClickAtScreen(onButton);
                             if (wanted == topLevel)
                                 return;
                             RECT rect{};
                             if (WaitUntil([&] { return !IsRectEmpty(&(rect = OpenMenuItemRect(*wanted))); }))
                                 ClickAtScreen(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
                         }}},
                       {});
}

} // namespace orvane::test
