#pragma once

#include "framework/Messages.h"
#include "skin/look/TSkinContext.h"

#include <windows.h>

#include <memory>
#include <string>

namespace orvane::framework {
class TBitmap;
class TFont;
} // namespace orvane::framework

namespace orvane::skin {

class TSkinLook;

// The skin of one child control of a skinned window, made by the engine's
// registries from the control's class. It stands in front of the control's
// message handling (see the two branches, TvelSkinControlFramework and
// TvelSkinControlWnd), lets most messages through, and paints the control
// again from the skin whenever its look may have changed. The skinned window
// owns it, tells it when the look is switched on or off, and detaches it.
class TvelSkinControl {
public:
    // State flags.
    static constexpr unsigned char StateHot = 1;
    static constexpr unsigned char StatePressed = 2;

    explicit TvelSkinControl(TSkinControlHost& owningWindow);
    virtual ~TvelSkinControl();
    TvelSkinControl(const TvelSkinControl&) = delete;
    TvelSkinControl& operator=(const TvelSkinControl&) = delete;

    // Whether the control's own handler gets the message.
    virtual bool BeforeMessage(framework::TMessage& message);
    // State tracking and repainting after the control's handler has run.
    virtual void AfterMessage(framework::TMessage& message);
    // Whether AfterMessage paints again after the message, beyond what every
    // control skin repaints after: the control's kind, whose system drawing
    // may have gone over the skin's on it.
    virtual bool RedrawsAfter(UINT /*message*/) const { return false; }
    // Draws the control from the skin.
    virtual void Paint() {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // The left button went down or up over the control.
    virtual void MouseDown() {}
    virtual void MouseUp() {}
    virtual void KeyDown(WPARAM /*key*/) {}
    virtual void KeyUp(WPARAM /*key*/) {}
    // Once after attaching, and each time the skin look goes on or off: take
    // the skin's values, or give the control's own back when not skinning.
    virtual void SkinChanged() {}
    // Called once the message hook is in place.
    virtual void Init() {}
    // Right before the control skin goes: from now on it reacts to nothing.
    virtual void Release() { released = true; }
    // The rectangle the control skin paints, in the coordinates of the
    // drawing surface (see DrawingOrigin).
    virtual RECT GetBounds() const = 0;
    // The window painted on (made when needed).
    virtual HWND GetHandle() = 0;
    virtual bool IsEnabled() const = 0;
    // Whether the control should take its parent's colour while skinned.
    virtual bool UsesParentColor() const { return false; }

    // ---- what the skinned window calls

    // The control's window if it exists (null for a windowless control, or
    // before its window is made); never makes one.
    virtual HWND Handle() const = 0;
    // The skin look went on or off.
    void Refresh() { SkinChanged(); }
    // Lets go of the control: its own message handling comes back, then
    // Release. The skinned window frees the object afterwards.
    void Detach();
    // Puts the control's own message handling back before anything else, for
    // a window object that goes while its form stays.
    virtual void RestoreWindowProc() = 0;
    bool WantsParentColor() const { return UsesParentColor(); }

    TSkinControlHost& Window() const { return ownerWindow; }
    TSkinContext& Context() const { return skinContext; }
    // The skin's current look (read afresh: a skin load replaces it).
    const TSkinLook& Look() const;
    bool Hot() const { return (state & StateHot) != 0; }
    bool Pressed() const { return (state & StatePressed) != 0; }
    bool Released() const { return released; }

protected:
    // The engine skins: active, a skin loaded, not designing.
    bool Skinning() const;
    // Paint, when the engine skins.
    void Repaint();
    void SetState(unsigned char flag, bool on);

    // For a control skin that draws all of its control. AnswerPaint answers
    // WM_PAINT: Paint inside the window's paint cycle, which validates it.
    // AnswerOwnPaintMessages answers WM_PAINT so and WM_ERASEBKGND with 1,
    // as the paint covers the background; it says whether the message was
    // one of them, which the control's own handler must then not get.
    void AnswerPaint(framework::TMessage& message);
    bool AnswerOwnPaintMessages(framework::TMessage& message);

    // Copies the prepared image over GetBounds and draws the text centred in
    // `area` on top of it: grey when disabled, one pixel right and down when
    // pressed; `wordWrap` breaks lines in `area` less 2 pixels on each side.
    void DrawCaption(framework::TBitmap& image, const std::wstring& text, bool wordWrap, RECT area,
                     const framework::TFont* font);
    // DrawCaption with the window's own text.
    void DrawCaptionW(framework::TBitmap& image, bool wordWrap, RECT area, const framework::TFont* font);
    // Draws the bitmap at the point, straight onto the control.
    void DrawImageAt(framework::TBitmap& image, POINT at);
    // Where the control's (0, 0) lies in the client area of GetHandle: not
    // (0, 0) for a windowless control, which paints on its parent.
    virtual POINT DrawingOrigin() const { return POINT{0, 0}; }

    unsigned char state = 0;
    bool released = false;

private:
    TSkinControlHost& ownerWindow;
    TSkinContext& skinContext;
};

} // namespace orvane::skin
