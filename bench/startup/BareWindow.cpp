// The reference of the start-up benchmark: the least a Win32 program does to
// show a window like the game's main window. It registers a class, creates a
// 523x528 window with a two-item menu bar, shows it and runs the message
// loop. It writes the same stamps as the game built with start-up markers
// ("start", "main-shown" and, for its first paint, "board-painted").
#include "framework/StartupMarkers.h"

#include <windows.h>

namespace {

constexpr wchar_t ClassName[] = L"OrvaneStartupReference";
constexpr int WindowWidth = 523;
constexpr int WindowHeight = 528;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        static bool firstPaintMarked = false;
        orvane::framework::StartupMarkerOnce("board-painted", firstPaintMarked);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    orvane::framework::StartupMarker("start");
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;

    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 1, L"New Game");
    AppendMenuW(menu, MF_STRING, 2, L"Tools");
    HWND window = CreateWindowExW(0, ClassName, L"Orvane start-up reference", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, WindowWidth, WindowHeight, nullptr, menu, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);
    orvane::framework::StartupMarker("main-shown");

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
