#pragma once

#include "framework/TBitmap.h"
#include "skin/WindowTie.h"

#include <windows.h>

namespace orvane::skin {

// A small child window that control skins lay over or into the control they
// skin (a scroll bar's face, a drop-down button). It owns its window: made
// hidden on a parent, destroyed with the object; when its parent goes first
// it notes that its window is gone. It paints its image at (0, 0), never
// erases its background, and hands left-button presses and releases to
// MouseButton after letting go of the mouse capture.
class TvelSkinOverlayWindow {
public:
    TvelSkinOverlayWindow() = default;
    virtual ~TvelSkinOverlayWindow();
    TvelSkinOverlayWindow(const TvelSkinOverlayWindow&) = delete;
    TvelSkinOverlayWindow& operator=(const TvelSkinOverlayWindow&) = delete;

    // Makes the window on the parent, hidden; false when that fails.
    bool Create(HWND parent);
    HWND Handle() const { return window; }
    bool Exists() const { return window != nullptr; }

    // The window brought to the front at the rectangle (parent coordinates)
    // and shown.
    void ShowAt(const RECT& rect);
    void Hide();
    bool Visible() const { return window && IsWindowVisible(window); }
    RECT ClientRect() const;

    // The picture shown; sized to the window by the caller before drawing.
    framework::TBitmap& Image() { return image; }
    // Shows the image now.
    void Present();

protected:
    // Draws the window; the default copies the image, and hides the window
    // when the image is empty.
    virtual void PaintTo(HDC dc);
    // A left-button message (WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE with
    // the button held) at a point of the window's client area.
    virtual void MouseButton(UINT message, POINT client) {}

private:
    static LRESULT CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT HandleMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
    // How the window procedure finds this object.
    TWindowTie tie;
    framework::TBitmap image;
};

} // namespace orvane::skin
