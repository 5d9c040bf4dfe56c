#pragma once

#include <windows.h>

namespace orvane::skin {

// A timer of a window (SetTimer with an identifier of the window's own),
// killed when its owner goes or stops it. A window that has gone took its
// timers with it, so the timer is killed only while its window still exists.
class TWindowTimer {
public:
    TWindowTimer() = default;
    ~TWindowTimer() { Stop(); }
    TWindowTimer(const TWindowTimer&) = delete;
    TWindowTimer& operator=(const TWindowTimer&) = delete;

    // Stops the timer under way first: a timer started again with the same
    // window and identifier is the same system timer, which the stop of the
    // old one would otherwise kill.
    void Start(HWND timerWindow, UINT_PTR timerId, UINT milliseconds)
    {
        Stop();
        window = timerWindow;
        id = timerId;
        running = SetTimer(timerWindow, timerId, milliseconds, nullptr) != 0;
    }
    void Stop()
    {
        if (running && IsWindow(window))
            KillTimer(window, id);
        running = false;
    }
    bool Running() const { return running; }

private:
    HWND window = nullptr;
    UINT_PTR id = 0;
    bool running = false;
};

} // namespace orvane::skin
