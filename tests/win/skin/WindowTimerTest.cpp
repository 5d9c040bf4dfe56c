#include "skin/TWindowTimer.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvane::skin::test {

namespace {

constexpr UINT_PTR TimerId = 7;
constexpr UINT LongPeriod = 60000;

// A window of its own for each case; KillTimer answers whether the window
// still had the timer.
struct TTimerWindow {
    HWND handle = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ~TTimerWindow() { DestroyWindow(handle); }
    bool HasTimer() const { return KillTimer(handle, TimerId) != FALSE; }
};

} // namespace

TEST(WindowTimer, RunsFromStartUntilItsOwnerStopsItOrGoes)
{
    struct Case {
        const char* name;
        std::function<void(TWindowTimer&, HWND)> act;
        bool running;
    };
    const Case cases[] = {
        {"started", [](TWindowTimer& timer, HWND window) { timer.Start(window, TimerId, LongPeriod); }, true},
        // The same window and identifier name one system timer: the stop of
        // the first start must not kill the second.
        {"started again",
         [](TWindowTimer& timer, HWND window) {
             timer.Start(window, TimerId, LongPeriod);
             timer.Start(window, TimerId, LongPeriod);
         },
         true},
        {"stopped",
         [](TWindowTimer& timer, HWND window) {
             timer.Start(window, TimerId, LongPeriod);
             timer.Stop();
         },
         false},
        {"stopped twice",
         [](TWindowTimer& timer, HWND window) {
             timer.Start(window, TimerId, LongPeriod);
             timer.Stop();
             timer.Stop();
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTimerWindow window;
        ASSERT_NE(window.handle, nullptr);
        TWindowTimer timer;
        c.act(timer, window.handle);
        EXPECT_EQ(timer.Running(), c.running);
        EXPECT_EQ(window.HasTimer(), c.running);
    }

    TTimerWindow window;
    {
        TWindowTimer timer;
        timer.Start(window.handle, TimerId, LongPeriod);
    }
    EXPECT_FALSE(window.HasTimer()) << "killed when its owner goes";
}

} // namespace orvane::skin::test
