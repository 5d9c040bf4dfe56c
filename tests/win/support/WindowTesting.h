#pragma once

#include "framework/TControl.h"
#include "framework/TWinControl.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// How long a test waits for the program before it gives up: long enough
// for a loaded machine, which is slow, not wrong.
constexpr int Patience = 10000;

// Waits until the condition holds; false when it still does not once the
// patience (milliseconds) has run out. On the program's thread (the one
// that made the application) the application's own message loop runs
// meanwhile, each message, then the idle work when none is waiting, then a
// wait for the next, and the condition is asked between messages. On a
// hand's thread it is asked every few milliseconds while the program's
// thread goes on with its own loop (or a menu's, or a modal box's).
bool WaitUntil(const std::function<bool()>& condition, int patience = Patience);

// The thread that runs the test program and owns its windows.
DWORD ProgramThread();
// True when nothing waits for the program's thread: no input, no posted or
// sent message, no window to paint. Asked on that thread once a hand is
// done, it says that the program has handled all the hand gave it.
bool NothingWaiting();

// Something a player's hand does, a number of milliseconds after the start:
// move the pointer, press a key. It runs on a thread of its own, as input
// arrives while the program waits, so the program learns of it only through
// the messages the system sends. The times only pace the steps of one
// gesture (a press, then the release); what the program must show before
// the hand goes on is waited for inside the act (WaitUntil), never guessed
// as a time.
struct TimedInput {
    int atMilliseconds;
    std::function<void()> act;
};

// Runs the application's own message loop while the inputs happen, then on
// until `until` holds (by default: until nothing waits for the program);
// false when it did not within the patience. An empty condition returns as
// soon as the hand is done, leaving what waits to the caller (a quit
// message that the test takes itself). No step is added that the real loop
// does not take.
bool RunMessageLoopWith(const std::vector<TimedInput>& inputs, const std::function<bool()>& until = NothingWaiting);

// Handles every waiting message and then the idle work (which follows the
// pointer), a few times over, so that what a message starts is finished.
// On a hand's thread it does nothing: the program's thread handles its own
// messages, in its own loop.
void PumpMessages();

// Moves the real pointer over a point of a control's client area (the centre
// by default) and lets the program notice it.
void MovePointerTo(const framework::TControl& control);
void MovePointerTo(const framework::TControl& control, POINT client);
// Moves the pointer to a screen point far from every window of the test.
void MovePointerAway();

// A click with a real button message pair sent to a window, at a client point.
void Click(HWND window, POINT client, UINT downMessage = WM_LBUTTONDOWN);
void ClickCentre(framework::TWinControl& control, UINT downMessage = WM_LBUTTONDOWN);

// The colour of a pixel of a window's client area, as it is on the screen.
COLORREF ScreenPixel(HWND window, POINT client);
// What a rectangle of the screen shows on its ground, the colour of its
// top-left pixel: how many pixels have a colour rather than a grey (their
// red, green and blue lie further apart than a grey's blending and rounding
// take them), and how far the pixels' brightness lies from the ground's,
// summed: a faded picture has less of it. Read in one copy once what is
// pending is painted.
struct TScreenPicture {
    int colouredPixels = 0;
    long long contrast = 0;
};
TScreenPicture ReadScreenPicture(RECT screen);

std::wstring WindowClassName(HWND window);
std::wstring WindowText(HWND window);

} // namespace orvane::test
