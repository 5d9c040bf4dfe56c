#pragma once

#include "core/base/DpiScale.h"
#include "framework/Messages.h"
#include "framework/TColor.h"
#include "framework/TComponent.h"
#include "framework/TFont.h"
#include "framework/TMessageLayers.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace orvane::framework {

class TWinControl;

// Where a control goes when its parent arranges its children: along an edge
// (taking its full length) or over the client area that the others leave.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// A control's own border: none, or a single line.
enum class TBorderStyle { bsNone, bsSingle };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TAnchorFlag : unsigned { akLeft = 1u << 0, akTop = 1u << 1, akRight = 1u << 2, akBottom = 1u << 3 };

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, unsigned shift, int x, int y)>;
using TKeyPressEvent = std::function<void(TObject* sender, wchar_t& key)>;
// A message handler.
using TWndMethod = std::function<void(TMessage& message)>;

// A visual component: parent, bounds, alignment, visibility, colour, font,
// text and hint. Every message for the control, whether from its window or
// from Perform, goes through WindowProc: through the hooks that code outside
// the control (a control skin) put in front of it, newest first, and then to
// the control's own WndProc.
class TControl : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parentControl; }
    // Moves the control into another parent (or out of any with null).
    virtual void SetParent(TWinControl* newParent);

    int Left() const { return boundsLeft; }
    int Top() const { return boundsTop; }
    int Width() const { return boundsWidth; }
    int Height() const { return boundsHeight; }
    void SetLeft(int value) { SetBounds(value, boundsTop, boundsWidth, boundsHeight); }
    void SetTop(int value) { SetBounds(boundsLeft, value, boundsWidth, boundsHeight); }
    void SetWidth(int value) { SetBounds(boundsLeft, boundsTop, value, boundsHeight); }
    void SetHeight(int value) { SetBounds(boundsLeft, boundsTop, boundsWidth, value); }
    virtual void SetBounds(int newLeft, int newTop, int newWidth, int newHeight);
    RECT BoundsRect() const { return RECT{boundsLeft, boundsTop, boundsLeft + boundsWidth, boundsTop + boundsHeight}; }

    // The client area in the control's own coordinates.
    virtual RECT ClientRect() const { return RECT{0, 0, boundsWidth, boundsHeight}; }
    int ClientWidth() const;
    int ClientHeight() const;

    TAlign Align() const { return controlAlign; }
    void SetAlign(TAlign value);
    unsigned Anchors() const { return controlAnchors; }
    void SetAnchors(unsigned value) { controlAnchors = value; }

    bool Visible() const { return controlVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    bool Enabled() const { return controlEnabled; }
    virtual void SetEnabled(bool value);
    // Enabled, and so is every parent: only then does the control take input.
    bool EnabledWithParents() const;

    TColor Color() const { return controlColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor; }
    void SetParentColor(bool value);

    TFont& Font() { return *controlFont; }
    const TFont& Font() const { return *controlFont; }
    bool ParentFont() const { return parentFont; }
    void SetParentFont(bool value);

    std::wstring Text() const { return GetText(); }
    void SetText(const std::wstring& value);
    std::wstring Caption() const { return GetText(); }
    void SetCaption(const std::wstring& value) { SetText(value); }

    const std::wstring& Hint() const { return controlHint; }
    void SetHint(const std::wstring& value) { controlHint = value; }
    bool ShowHint() const { return controlShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint; }
    void SetParentShowHint(bool value);

    // The DPI the control's bounds and font are in: 96 while a layout is
    // written, the window's DPI once its form was scaled to it.
    unsigned CurrentDpi() const { return controlDpi; }
    // A length written at 96 DPI, at CurrentDpi: for bounds set after the
    // control was scaled.
    int ScaleLength(int pixels) const { return ScaleForDpi(pixels, controlDpi); }
    // Scales the bounds and the font, and those of the children, from
    // CurrentDpi to `dpi`.
    void ScaleToDpi(unsigned dpi);

    void WindowProc(TMessage& message);
    // Puts a procedure in front of the control's message handling, until the
    // returned handle goes; hooks come off in any order.
    [[nodiscard]] TMessageLayerHandle HookWindowProc(TMessageLayers::TLayer hook);
    // Sends a message straight to WindowProc and returns its result.
    LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    virtual void Invalidate();
    // A point of the control's client area in screen coordinates.
    virtual POINT ClientToScreen(POINT point) const;

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    // The control's own message handling. Unhandled messages end in
    // DefaultHandler.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    virtual std::wstring GetText() const { return controlText; }
    // Stores the text; a windowed control also gives it to its window.
    virtual void StoreText(const std::wstring& value) { controlText = value; }

    virtual void Click();
    virtual void MouseDown(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseUp(TMouseButton button, unsigned shift, int x, int y);

    // Scales the control from `fromDpi` to `toDpi`: the bounds by their
    // edges (so that neighbours stay neighbours) and a font of its own;
    // derived controls scale their own lengths too and then call this.
    virtual void ChangeScale(unsigned toDpi, unsigned fromDpi);
    // The bounds' part of ChangeScale.
    virtual void ScaleBounds(unsigned toDpi, unsigned fromDpi);
    // Takes `dpi` as the DPI of its lengths without changing them: a control
    // given to a parent that is already scaled is laid out in its pixels. A
    // font of its own keeps its point size at that DPI.
    void AdoptDpi(unsigned dpi);

    // Called after the bounds changed, before the parent realigns.
    virtual void BoundsChanged() {}
    // Asks the parent to arrange its children again.
    void RequestAlign();
    // Takes new bounds without moving any window (the window moved itself).
    void UpdateBounds(int newLeft, int newTop, int newWidth, int newHeight);
    // Moves the control's window, if it has one, to the stored bounds.
    virtual void ApplyBounds() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void ParentChanged() {}

private:
    void HandleMouse(TMessage& message);
    void AdoptParentColor();
    void AdoptParentFont();

    TWinControl* parentControl = nullptr;
    unsigned controlDpi = DefaultDpi;
    int boundsLeft = 0;
    int boundsTop = 0;
    int boundsWidth = 0;
    int boundsHeight = 0;
    TAlign controlAlign = TAlign::alNone;
    unsigned controlAnchors = akLeft | akTop;
    bool controlVisible = true;
    bool controlEnabled = true;
    TColor controlColor = clBtnFace;
    bool parentColor = false;
    std::unique_ptr<TFont> controlFont;
    bool parentFont = true;
    bool adoptingFont = false;
    std::wstring controlText;
    std::wstring controlHint;
    bool controlShowHint = false;
    bool parentShowHint = true;
    bool leftPressed = false;
    std::shared_ptr<TMessageLayers> windowProcHooks;
};

// The shift state of a mouse message's key flags.
unsigned ShiftFromMouseKeys(WPARAM keys);

} // namespace orvane::framework
