#pragma once

#include <windows.h>

namespace orvane::framework {

class TToolBar;
class TToolButton;

// Drops down the menus of a tool bar's menu-bound buttons and tracks the bar
// as a menu bar does: while a drop-down is open, pointing at another button
// opens that one's instead, the left and right arrow keys move to the
// previous or next top-level item, and a click on the open button, Escape or
// a click elsewhere closes it. The chosen item is clicked after the menu has
// closed; after Escape the bar goes back to its menu mode with that item
// highlighted.
class TToolBarMenuTracker {
public:
    explicit TToolBarMenuTracker(TToolBar& owningBar) : bar(owningBar) {}

    // Drops down the button's menu (a button whose item has no sub-items is
    // clicked instead). With selectFirst, the first item is highlighted, as
    // when the menu was opened from the keyboard.
    void Track(TToolButton& button, bool selectFirst);
    bool Tracking() const { return tracking; }
    TToolButton* OpenButton() const { return openButton; }

    // WM_MENUSELECT and WM_INITMENUPOPUP of the drop-down, which the bar owns.
    void MenuSelected(WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);
    bool FilterMenuMessage(MSG& message);
    TToolButton* ButtonAtScreen(POINT screen) const;
    TToolButton* Neighbour(TToolButton& from, int step) const;
    void SwitchTo(TToolButton* next, bool selectFirst);

    TToolBar& bar;
    bool tracking = false;
    TToolButton* openButton = nullptr;
    TToolButton* nextButton = nullptr;
    bool nextSelectsFirst = false;
    HMENU openMenu = nullptr;
    HMENU selectedMenu = nullptr;
    bool selectedOpensSubmenu = false;
    bool closedByEscape = false;
    POINT lastPointer{-1, -1};
};

} // namespace orvane::framework
