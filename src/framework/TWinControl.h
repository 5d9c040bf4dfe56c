#pragma once

#include "framework/TControl.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::framework {

// A control with a window of its own, created when it is first needed. It
// registers its window class under its class name ("TPanel", "TForm1"); a
// control over a system control ("EDIT", "ToolbarWindow32") registers a
// superclass of it under its own name, so that every message reaches the
// framework first and the rest goes on to the system's procedure.
//
// A windowed control is also a parent: it keeps its child controls in
// insertion order, arranges the aligned ones, and reflects the notifications
// that a child sends to its parent (WM_COMMAND, WM_NOTIFY, ...) back to the
// child as CN_ messages.
class TWinControl : public TControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The framework control whose window this is, or null.
    static TWinControl* FindControl(HWND window);

    // The window, created (with the parents' windows) if it does not exist.
    HWND Handle();
    bool HandleAllocated() const { return handle != nullptr; }
    // The window if it exists, else null; never creates it.
    HWND WindowHandle() const { return handle; }
    void HandleNeeded() { Handle(); }
    virtual void DestroyHandle();

    int ControlCount() const { return int(controls.size()); }
    TControl* Controls(int index) const { return controls[std::size_t(index)]; }
    // Kept up to date by TControl::SetParent.
    virtual void InsertControl(TControl* control);
    virtual void RemoveControl(TControl* control);

    RECT ClientRect() const override;
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(RECT& rect) const {}
    // Arranges the aligned children (later, if aligning is disabled or the
    // layout is still loading).
    void Realign();
    void DisableAlign() { ++alignDisabled; }
    // Moves or stretches the unaligned children anchored to the right or the
    // bottom by the change of the client size.
    void ApplyAnchors(int widthChange, int heightChange);
    void EnableAlign();

    bool Focused() const { return handle && GetFocus() == handle; }
    void SetFocus();
    // Paints what is invalid now.
    void Update();
    void Repaint();

    POINT ClientToScreen(POINT point) const override;

    // Asks the system to report (WM_MOUSELEAVE) when the pointer leaves the
    // window; at once if it is not over it now.
    void TrackMouseLeave();

    // The topmost visible, enabled windowless child at a point of the client
    // area, or null.
    TControl* GraphicControlAt(POINT client) const;

    // A typed character. Setting the key to 0 consumes it.
    TKeyPressEvent OnKeyPress;

    void Loaded() override;

protected:
    struct TCreateParams {
        std::wstring Caption;
        DWORD Style = 0;
        DWORD ExStyle = 0;
        int X = 0;
        int Y = 0;
        int Width = 0;
        int Height = 0;
        HWND WndParent = nullptr;
        // The system class this control's window class is made from, or null
        // for a window of the framework's own.
        const wchar_t* SystemClass = nullptr;
        UINT ClassStyle = CS_DBLCLKS;
    };

    virtual void CreateParams(TCreateParams& params);
    virtual void CreateHandle();
    // Runs once the window exists: creates the children's windows and
    // arranges them.
    virtual void CreateWnd();
    bool IsSystemControl() const { return systemControl; }

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // A typed character: a form that previews keys sees it first, then
    // OnKeyPress. True when the key was consumed.
    virtual bool DoKeyPress(wchar_t& key);
    // Whether this control sees the characters typed into its children
    // first (a form with key preview).
    virtual bool PreviewsKeys() const { return false; }

    virtual void AlignControls(RECT& rect);
    // Scales the control and then its children, arranging them once at the
    // end.
    void ChangeScale(unsigned toDpi, unsigned fromDpi) override;
    // Fills the background on WM_ERASEBKGND (windows of the framework's own).
    virtual void EraseBackground(HDC dc);

    std::wstring GetText() const override;
    void StoreText(const std::wstring& value) override;
    void ApplyBounds() override;
    void BoundsChanged() override { Realign(); }
    void VisibleChanged() override;
    void EnabledChanged() override;
    void ParentChanged() override;

    // A brush of the control's colour, made again when the colour changed.
    HBRUSH ColorBrush();
    // The answer to a reflected WM_CTLCOLORBTN or WM_CTLCOLORSTATIC: the
    // control's font colour on its colour.
    LRESULT AnswerControlColor(HDC dc);

    // Reads the window's place back after the system moved or sized it.
    void SyncBoundsWithWindow();

    // Paints the windowless children that meet the rectangle (all of them
    // without one) into the window's device context.
    void PaintControls(HDC dc, const RECT* update);

private:
    static LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND window);
    void Detach();
    // Hands a mouse message over a windowless child to it; true if it took it.
    bool RouteMouseToGraphicControl(TMessage& message);
    bool HasGraphicControls() const;
    void NotifyChildren(UINT message);
    void GiveFontToWindow(BOOL redraw);

    HWND handle = nullptr;
    WNDPROC defaultProc = DefWindowProcW;
    bool systemControl = false;
    TFont::TSharedHandle windowFont;
    bool trackingMouse = false;
    std::vector<TControl*> controls;
    // The windowless child that a button went down on: it gets the mouse
    // until the button comes up, as a window with the capture would.
    TControl* graphicCapture = nullptr;
    int alignDisabled = 0;
    TBrushHandle colorBrush;
    TColor colorBrushColor = 0;
    bool aligning = false;
    // The client size the anchored children were last placed for.
    SIZE anchoredClient{-1, -1};
};

} // namespace orvane::framework
