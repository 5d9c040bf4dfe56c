#include "WindowTesting.h"

#include "HandInput.h"

#include "framework/GdiOwners.h"
#include "framework/TApplication.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>
#include <utility>

namespace orvane::test {

namespace {

constexpr int PumpRounds = 4;
// How often a wait asks its condition again when no message comes.
constexpr UINT AskAgainMilliseconds = 10;
// How much longer than its patience a loop may take before the hand rescues
// it from a menu or a box left open.
constexpr int RescueMargin = 1000;

// The thread that runs the test program, and so makes the application and
// its windows: static objects are made on it, before main.
const DWORD programThread = GetCurrentThreadId();

// Runs the application's own loop until the condition holds or the time is
// up. The condition is asked each time the loop has run out of messages and
// done its idle work (which follows the pointer), as the program then has
// done all it was given. A thread timer wakes the loop's wait for the next
// message, so that this happens also when nothing else comes.
bool RunLoopUntil(const std::function<bool()>& condition, int patience)
{
    framework::TApplication& application = *framework::Application;
    const DWORD start = GetTickCount();
    const UINT_PTR wake = SetTimer(nullptr, 0, AskAgainMilliseconds, nullptr);
    bool idled = false;
    const auto idleToken = application.AddIdleHandler([&idled](framework::TObject*, bool&) { idled = true; });
    bool held = false;
    do {
        application.HandleMessage();
        if (std::exchange(idled, false))
            held = condition();
    } while (!held && GetTickCount() - start < DWORD(patience));
    application.RemoveIdleHandler(idleToken);
    KillTimer(nullptr, wake);
    return held || condition();
}

bool PollUntil(const std::function<bool()>& condition, int patience)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= DWORD(patience))
            return false;
        Sleep(AskAgainMilliseconds);
    }
    return true;
}

} // namespace

DWORD ProgramThread() { return programThread; }

bool NothingWaiting()
{
    return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT)) == 0;
}

bool WaitUntil(const std::function<bool()>& condition, int patience)
{
    if (GetCurrentThreadId() == programThread && framework::Application)
        return RunLoopUntil(condition, patience);
    return PollUntil(condition, patience);
}

void PumpMessages()
{
    if (GetCurrentThreadId() != programThread)
        return;
    for (int round = 0; round < PumpRounds; ++round) {
        framework::Application->ProcessMessages();
        framework::Application->DoIdleWork();
    }
}

bool RunMessageLoopWith(const std::vector<TimedInput>& inputs, const std::function<bool()>& until)
{
    // The hand starts once the program has taken in what came before, as a
    // player acts on what the screen shows: under Wine, a menu that closed
    // just now still has the display reset the keys held, and a key held
    // from before that would be let go.
    WaitUntil(NothingWaiting);
    std::atomic<bool> finished{false};
    std::atomic<bool> over{false};
    const DWORD loopThread = GetCurrentThreadId();
    std::thread hand([&] {
        const DWORD start = GetTickCount();
        for (const TimedInput& input : inputs) {
            const DWORD elapsed = GetTickCount() - start;
            if (DWORD(input.atMilliseconds) > elapsed)
                Sleep(DWORD(input.atMilliseconds) - elapsed);
            input.act();
        }
        finished = true;
        // Wakes the loop from its wait; the message itself does nothing.
        PostThreadMessageW(loopThread, WM_NULL, 0, 0);
        // A menu or a box that a failing test leaves open holds the program
        // in its loop, where the condition is never asked: once the
        // patience is over, Escape closes it, so that the test fails rather
        // than hangs.
        if (!WaitUntil([&] { return over.load(); }, Patience + RescueMargin))
            while (!over) {
                PressKey(VK_ESCAPE);
                WaitUntil([&] { return over.load(); }, RescueMargin);
            }
    });
    while (!finished)
        framework::Application->HandleMessage();
    const bool held = !until || WaitUntil(until);
    over = true;
    hand.join();
    return held;
}

void MovePointerTo(const framework::TControl& control)
{
    MovePointerTo(control, POINT{control.Width() / 2, control.Height() / 2});
}

void MovePointerTo(const framework::TControl& control, POINT client)
{
    const POINT screen = control.ClientToScreen(client);
    SetCursorPos(screen.x, screen.y);
    PumpMessages();
}

void MovePointerAway()
{
    SetCursorPos(2, 2);
    PumpMessages();
}

void Click(HWND window, POINT client, UINT downMessage)
{
    const LPARAM at = MAKELPARAM(client.x, client.y);
    UINT upMessage = WM_LBUTTONUP;
    WPARAM keys = MK_LBUTTON;
    switch (downMessage) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        upMessage = WM_RBUTTONUP;
        keys = MK_RBUTTON;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        upMessage = WM_MBUTTONUP;
        keys = MK_MBUTTON;
        break;
    default:
        break;
    }
    SendMessageW(window, downMessage, keys, at);
    SendMessageW(window, upMessage, 0, at);
    PumpMessages();
}

void ClickCentre(framework::TWinControl& control, UINT downMessage)
{
    RECT client{};
    GetClientRect(control.Handle(), &client);
    Click(control.Handle(), POINT{client.right / 2, client.bottom / 2}, downMessage);
}

COLORREF ScreenPixel(HWND window, POINT client)
{
    // Paint what is pending in the window and all its children (frames
    // included) and hand the drawing to the display before reading it back:
    // a child's changed border is otherwise painted only on a later pass.
    PumpMessages();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    ClientToScreen(window, &client);
    const framework::TClientDC screen(nullptr);
    return GetPixel(screen.Handle(), client.x, client.y);
}

TScreenPicture ReadScreenPicture(RECT screen)
{
    constexpr int GreySpread = 40;
    const auto brightness = [](COLORREF pixel) {
        return (GetRValue(pixel) * 299 + GetGValue(pixel) * 587 + GetBValue(pixel) * 114) / 1000;
    };
    PumpMessages();
    GdiFlush();
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    if (width <= 0 || height <= 0)
        return {};
    const framework::TClientDC display(nullptr);
    framework::TMemoryDC memory(display.Handle());
    framework::TBitmapHandle copy(CreateCompatibleBitmap(display.Handle(), width, height));
    framework::TSelectedObject selection;
    selection.Select(memory.Handle(), copy.Get());
    BitBlt(memory.Handle(), 0, 0, width, height, display.Handle(), screen.left, screen.top, SRCCOPY);
    const int ground = brightness(GetPixel(memory.Handle(), 0, 0));
    TScreenPicture picture;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = GetPixel(memory.Handle(), x, y);
            const int red = GetRValue(pixel), green = GetGValue(pixel), blue = GetBValue(pixel);
            const int spread = std::max({red, green, blue}) - std::min({red, green, blue});
            picture.colouredPixels += spread > GreySpread ? 1 : 0;
            picture.contrast += std::abs(brightness(pixel) - ground);
        }
    return picture;
}

std::wstring WindowClassName(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(std::size_t(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(std::size_t(length));
    return text;
}

} // namespace orvane::test
