#pragma once

#include "framework/TMenuItem.h"
#include "framework/TToolBar.h"

#include "WindowTesting.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace orvane::test {

// Real input, as the hand gives it (SendInput). Run these on the hand's
// thread (RunMessageLoopWith) when the program waits in a loop of its own,
// such as a menu's.
//
// The hand's pause between the events of one gesture (a move, then a press;
// a press, then its release), so that the system sees them apart. It waits
// for no program: what the program must show first is waited for with
// WaitUntil.
constexpr DWORD GesturePace = 60;
void Pace(DWORD milliseconds = GesturePace);
// How long a hand waits before a click at the place of its last click so
// that the system sees a new click, not the second half of a double click.
int NewClickPace();
void MoveTo(POINT screen);
void Button(DWORD downOrUp);
void ClickAtScreen(POINT screen, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
// A key going down and up; with a modifier held around it when given.
void PressKey(WORD virtualKey, WORD heldModifier = 0);
// Waits (WaitUntil) for a visible window of a class in this program; null
// when none comes.
HWND WaitForWindow(const wchar_t* className);
// Waits for every window of that class in this program to be gone or
// hidden; false when one stays.
bool WaitForWindowGone(const wchar_t* className);

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
// Conditions for the steps: a drop-down menu shows and its loop takes
// input, none shows, the one that shows has its item at that position
// highlighted, the tool bar's hot button is the one at that index (-1: none),
// the window has the program's keyboard focus (the next key goes to it).
std::function<bool()> MenuShown();
std::function<bool()> MenuGone();
std::function<bool()> MenuHighlights(int position);
std::function<bool()> BarHotButton(HWND bar, int index);
std::function<bool()> HasFocus(HWND window);

// The menu window open now ("#32768"), its menu, and where an item of it
// stands on the screen; an empty rectangle when it is not there.
RECT OpenMenuItemRect(const framework::TMenuItem& item);

// Chooses a menu item as the player does on a menu bar made of a tool bar:
// a click on the bar's button of the item's top-level item, then a click on
// the item in the menu that drops down; the program's own loop runs all the
// while. The item has run when the menu's loop has ended, inside the
// message that opened the menu; what it posts is left waiting.
void ChooseFromMenuBar(framework::TToolBar& bar, const framework::TMenuItem& item);

} // namespace orvane::test
