#pragma once

#include "framework/TControl.h"
#include "framework/TWinControl.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// Something a player's hand does at a moment after the start: move the
// pointer, press a key. It runs on a thread of its own, as input arrives
// while the program waits, so the program learns of it only through the
// messages the system sends.
struct TimedInput {
    int atMilliseconds;
    std::function<void()> act;
};

// Runs the application's own message loop (each message, then the idle work
// when none is waiting, then a wait for the next) while the inputs happen,
// and until `totalMilliseconds` have passed. No step is added that the real
// loop does not take.
void RunMessageLoopWith(const std::vector<TimedInput>& inputs, int totalMilliseconds);

// Handles every waiting message and then the idle work (which follows the
// pointer), a few times over, so that what a message starts is finished.
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
