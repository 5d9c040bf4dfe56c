#pragma once

#include "framework/TMenu.h"

#include <windows.h>

#include <memory>
#include <string>

namespace orvane::skin {

class TvelSkinWindow;

// The system menu of skinned windows, which lose the system's own with their
// system-menu style: Minimize, Maximize/Restore, a line and Close, acting on
// the window it was opened for and enabled as that window's title buttons
// were drawn.
class TvelSkinSystemMenu {
public:
    enum ItemIndex { MinimizeItem = 0, MaximizeItem = 1, LineItem = 2, CloseItem = 3 };

    TvelSkinSystemMenu(const std::wstring& minimizeCaption, const std::wstring& maximizeCaption,
                       const std::wstring& closeCaption);
    ~TvelSkinSystemMenu();

    framework::TMenu& Menu() { return *menu; }
    // Renames an item when the menu has it.
    void SetCaption(ItemIndex index, const std::wstring& caption);

    // Enables the items from the window's flags, shows the menu at the screen
    // point and runs the chosen command on the window. False when the menu
    // closed without a choice.
    bool Popup(TvelSkinWindow& window, POINT screen);

private:
    std::unique_ptr<framework::TMenu> menu;
    TvelSkinWindow* target = nullptr;
};

} // namespace orvane::skin
