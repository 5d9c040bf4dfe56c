#pragma once

#include "framework/TMenuItem.h"
#include "framework/TToolBar.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace orvane::test {

// Real input, as the hand gives it (SendInput). Run these on the hand's
// thread (RunMessageLoopWith) when the program waits in a loop of its own,
// such as a menu's.
void MoveTo(POINT screen);
void Button(DWORD downOrUp);
void ClickAtScreen(POINT screen, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
// A key going down and up; with a modifier held around it when given.
void PressKey(WORD virtualKey, WORD heldModifier = 0);
// Waits up to a few seconds for a visible window of a class in this
// program; null when none comes. With visible false: waits for it to go.
HWND WaitForWindow(const wchar_t* className, bool visible = true);
// Waits for a drop-down menu to show, presses the keys in turn and waits for
// the menu to close; false when no menu showed. Keys pressed before the menu
// is up could reach the window under it on a slow machine.
bool PressKeysInDropDown(std::initializer_list<WORD> keys);

// Waits up to a few seconds for a condition, asked on the hand's thread;
// false when it never held.
bool WaitUntil(const std::function<bool()>& condition);

// A key the hand presses (with a modifier held around it when given), and
// what it waits for before the next key: the program answers keys in its own
// time, and a key pressed too early could reach another window.
struct KeyStep {
    WORD key;
    std::function<bool()> until;
    WORD modifier = 0;
};
// Presses the keys in turn; false when a wait ran out or a menu was left
// open (Escape then closes it, so that the program's loop goes on).
bool PressKeySteps(const std::vector<KeyStep>& steps);
// Conditions for the steps: a drop-down menu shows, none shows, the one that
// shows has its item at that position highlighted, the tool bar's hot button
// is the one at that index (-1: none).
std::function<bool()> MenuShown();
std::function<bool()> MenuGone();
std::function<bool()> MenuHighlights(int position);
std::function<bool()> BarHotButton(HWND bar, int index);

// The menu window open now ("#32768"), its menu, and where an item of it
// stands on the screen; an empty rectangle when it is not there.
RECT OpenMenuItemRect(const framework::TMenuItem& item);

// Chooses a menu item as the player does on a menu bar made of a tool bar:
// a click on the bar's button of the item's top-level item, then a click on
// the item in the menu that drops down; the program's own loop runs all the
// while.
void ChooseFromMenuBar(framework::TToolBar& bar, const framework::TMenuItem& item);

} // namespace orvane::test
