#include "WindowTesting.h"

#include "framework/GdiOwners.h"
#include "framework/TApplication.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

namespace orvane::test {

namespace {

constexpr int PumpRounds = 4;

} // namespace

void PumpMessages()
{
    for (int round = 0; round < PumpRounds; ++round) {
        framework::Application->ProcessMessages();
        framework::Application->DoIdleWork();
    }
}

void RunMessageLoopWith(const std::vector<TimedInput>& inputs, int totalMilliseconds)
{
    std::atomic<bool> finished{false};
    const DWORD loopThread = GetCurrentThreadId();
    std::thread hand([&] {
        const DWORD start = GetTickCount();
        const auto waitUntil = [&](int milliseconds) {
            const DWORD elapsed = GetTickCount() - start;
            if (DWORD(milliseconds) > elapsed)
                Sleep(DWORD(milliseconds) - elapsed);
        };
        for (const TimedInput& input : inputs) {
            waitUntil(input.atMilliseconds);
            input.act();
        }
        waitUntil(totalMilliseconds);
        finished = true;
        // Wakes the loop from its wait; the message itself does nothing.
        PostThreadMessageW(loopThread, WM_NULL, 0, 0);
    });
    while (!finished)
        framework::Application->HandleMessage();
    hand.join();
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
