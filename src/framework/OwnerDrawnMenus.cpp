#include "framework/OwnerDrawnMenus.h"

#include "core/skinmenu/MenuLetters.h"
#include "framework/GdiOwners.h"
#include "framework/GuardedCallback.h"
#include "framework/TCanvas.h"
#include "framework/TMenuItem.h"

#include <string>
#include <vector>

namespace orvane::framework {

namespace {

// One entry of a system menu as the letter search needs it.
struct TMenuEntry {
    std::wstring caption;
    bool separator = false;
    bool enabled = true;
};

TMenuEntry ReadEntry(HMENU menu, int position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    TMenuEntry entry;
    if (!GetMenuItemInfoW(menu, UINT(position), TRUE, &info))
        return entry;
    entry.separator = (info.fType & MFT_SEPARATOR) != 0;
    entry.enabled = (info.fState & (MFS_DISABLED | MFS_GRAYED)) == 0;
    // An owner-drawn item of the framework carries its TMenuItem, whose
    // caption the system may not keep.
    if ((info.fType & MFT_OWNERDRAW) && info.dwItemData) {
        const auto* item = reinterpret_cast<const TMenuItem*>(info.dwItemData);
        entry.caption = item->Caption();
        entry.separator = entry.separator || item->IsLine();
    } else if (!entry.separator) {
        wchar_t text[256]{};
        GetMenuStringW(menu, UINT(position), text, int(std::size(text)), MF_BYPOSITION);
        entry.caption = text;
    }
    return entry;
}

std::vector<TMenuEntry> ReadEntries(HMENU menu)
{
    std::vector<TMenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        entries.push_back(ReadEntry(menu, position));
    return entries;
}

bool HasOwnerDrawnItems(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        if (GetMenuItemInfoW(menu, UINT(position), TRUE, &info) && (info.fType & MFT_OWNERDRAW))
            return true;
    }
    return false;
}

int HighlightedPosition(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        const UINT state = GetMenuState(menu, UINT(position), MF_BYPOSITION);
        if (state != UINT(-1) && (state & MF_HILITE))
            return position;
    }
    return -1;
}

struct TOpenMenuSearch {
    HMENU menu;
    bool found = false;
};

BOOL CALLBACK MatchOpenMenu(HWND window, LPARAM data)
{
    return GuardedCallback(FALSE, [&] {
        auto& search = *reinterpret_cast<TOpenMenuSearch*>(data);
        wchar_t name[16]{};
        const bool menuWindow = GetClassNameW(window, name, int(std::size(name))) && lstrcmpW(name, L"#32768") == 0;
        if (menuWindow && IsWindowVisible(window) &&
            reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)) == search.menu) {
            search.found = true;
            return FALSE;
        }
        return TRUE;
    });
}

// Whether the menu is showing now in a menu window of this thread.
bool MenuIsOpen(HMENU menu)
{
    TOpenMenuSearch search{menu};
    EnumThreadWindows(GetCurrentThreadId(), &MatchOpenMenu, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LRESULT AnswerMenuChar(HWND window, WPARAM wParam, HMENU menu)
{
    const std::vector<TMenuEntry> entries = ReadEntries(menu);
    std::vector<MenuLetterItem> items;
    items.reserve(entries.size());
    for (const TMenuEntry& entry : entries)
        items.push_back({entry.caption, !entry.separator && entry.enabled});
    const MenuLetterAnswer answer = AnswerMenuLetter(items, wchar_t(LOWORD(wParam)), HighlightedPosition(menu));
    switch (answer.action) {
    case MenuLetterAction::Execute:
        return MAKELRESULT(answer.index, MNC_EXECUTE);
    case MenuLetterAction::Select:
        PostMessageW(window, CM_MENULETTERSELECT, WPARAM(answer.index), reinterpret_cast<LPARAM>(menu));
        return MAKELRESULT(answer.index, MNC_SELECT);
    case MenuLetterAction::None:
        break;
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

// After MNC_SELECT: when the system left the highlight where it was, the
// menu's own loop moves it with the down arrow, which every system honours.
void HighlightPickedItem(HWND window, int target, HMENU menu)
{
    if (!IsMenu(menu) || !MenuIsOpen(menu))
        return;
    const int highlighted = HighlightedPosition(menu);
    if (highlighted == target)
        return;
    std::vector<bool> separators;
    for (const TMenuEntry& entry : ReadEntries(menu))
        separators.push_back(entry.separator);
    const int presses = DownPressesBetween(separators, highlighted, target);
    for (int press = 0; press < presses; ++press)
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
}

} // namespace

bool IsOwnerDrawnMenuMessage(const TMessage& message)
{
    switch (message.Msg) {
    case WM_MEASUREITEM:
        return reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU;
    case WM_DRAWITEM:
        return reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU;
    case WM_MENUCHAR: {
        HMENU menu = reinterpret_cast<HMENU>(message.LParam);
        return menu && IsMenu(menu) && HasOwnerDrawnItems(menu);
    }
    case CM_MENULETTERSELECT:
        return true;
    default:
        return false;
    }
}

void HandleOwnerDrawnMenuMessage(HWND window, TMessage& message)
{
    switch (message.Msg) {
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
        const TClientDC dc(window);
        TCanvas canvas;
        canvas.SetHandle(dc.Handle());
        int width = 0;
        int height = 0;
        item->MeasureItem(canvas, width, height);
        canvas.SetHandle(nullptr);
        measure->itemWidth = UINT(width);
        measure->itemHeight = UINT(height);
        message.Result = TRUE;
        return;
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
        TCanvas canvas;
        canvas.SetHandle(draw->hDC);
        item->DrawItem(canvas, draw->rcItem, draw->itemState);
        canvas.SetHandle(nullptr);
        message.Result = TRUE;
        return;
    }
    case WM_MENUCHAR:
        message.Result = AnswerMenuChar(window, message.WParam, reinterpret_cast<HMENU>(message.LParam));
        return;
    case CM_MENULETTERSELECT:
        HighlightPickedItem(window, int(message.WParam), reinterpret_cast<HMENU>(message.LParam));
        message.Result = 0;
        return;
    default:
        return;
    }
}

} // namespace orvane::framework
