#include "skin/controls/TvelSkinOverlayWindow.h"

#include "framework/GdiOwners.h"
#include "framework/GuardedCallback.h"

#include <windowsx.h>

namespace orvane::skin {

using namespace framework;

namespace {

constexpr wchar_t OverlayClassName[] = L"OrvaneSkinOverlay";
constexpr wchar_t OverlayProperty[] = L"OrvaneSkinOverlay";

bool RegisterOverlayClass(WNDPROC procedure)
{
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = OverlayClassName;
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

} // namespace

TvelSkinOverlayWindow::~TvelSkinOverlayWindow()
{
    if (window) {
        tie.Remove();
        DestroyWindow(window);
    }
}

bool TvelSkinOverlayWindow::Create(HWND parent)
{
    if (window || !parent || !RegisterOverlayClass(&Procedure))
        return window != nullptr;
    // No parent notifications: the parent may be a control on its way out when
    // the window goes.
    window = CreateWindowExW(WS_EX_NOPARENTNOTIFY, OverlayClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                             parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return false;
    tie = TWindowTie(window, OverlayProperty, this);
    return true;
}

void TvelSkinOverlayWindow::ShowAt(const RECT& rect)
{
    if (!window)
        return;
    SetWindowPos(window, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TvelSkinOverlayWindow::Hide()
{
    if (window && IsWindowVisible(window))
        ShowWindow(window, SW_HIDE);
}

RECT TvelSkinOverlayWindow::ClientRect() const
{
    RECT client{};
    if (window)
        GetClientRect(window, &client);
    return client;
}

void TvelSkinOverlayWindow::Present()
{
    if (!window || !IsWindowVisible(window))
        return;
    const TClientDC dc(window);
    if (dc.Handle())
        PaintTo(dc.Handle());
}

void TvelSkinOverlayWindow::PaintTo(HDC dc)
{
    if (image.Empty()) {
        Hide();
        return;
    }
    BitBlt(dc, 0, 0, image.Width(), image.Height(), image.Canvas().Handle(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK TvelSkinOverlayWindow::Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GuardedCallback(LRESULT(0), [&] { return HandleMessage(handle, message, wParam, lParam); });
}

LRESULT TvelSkinOverlayWindow::HandleMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<TvelSkinOverlayWindow*>(TWindowTie::Find(handle, OverlayProperty));
    if (!self)
        return DefWindowProcW(handle, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        const TPaintDC paint(handle);
        self->PaintTo(paint.Handle());
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        ReleaseCapture();
        self->MouseButton(message == WM_LBUTTONUP ? WM_LBUTTONUP : WM_LBUTTONDOWN,
                          POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            self->MouseButton(WM_MOUSEMOVE, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_NCDESTROY:
        // The parent took the window with it.
        self->tie.Remove();
        self->window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

} // namespace orvane::skin
