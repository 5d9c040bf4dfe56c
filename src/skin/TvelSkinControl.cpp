#include "skin/TvelSkinControl.h"

#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "framework/TFont.h"
#include "skin/SkinMessages.h"
#include "skin/look/TSkinContext.h"
#include "skin/look/TSkinLook.h"

#include <optional>

namespace orvane::skin {

using namespace framework;

namespace {

constexpr COLORREF DisabledTextColor = 0x808080;

// The control's part of the client area of the window it is drawn on,
// clipped to its bounds, with the control's (0, 0) as the origin.
class TControlSurface {
public:
    TControlSurface(HWND window, POINT origin, const RECT& bounds) : dc(window)
    {
        if (!window || !dc.Handle())
            return;
        state.emplace(dc.Handle());
        // The clip rectangle is in logical units: set it while they are
        // still the window's.
        IntersectClipRect(dc.Handle(), bounds.left + origin.x, bounds.top + origin.y, bounds.right + origin.x,
                          bounds.bottom + origin.y);
        SetViewportOrgEx(dc.Handle(), origin.x, origin.y, nullptr);
    }
    HDC Handle() const { return state ? dc.Handle() : nullptr; }

private:
    TClientDC dc;
    std::optional<TSavedDCState> state;
};

} // namespace

TvelSkinControl::TvelSkinControl(TSkinControlHost& owningWindow)
    : ownerWindow(owningWindow), skinContext(owningWindow.Context())
{
}

TvelSkinControl::~TvelSkinControl() = default;

void TvelSkinControl::Detach()
{
    RestoreWindowProc();
    Release();
}

bool TvelSkinControl::Skinning() const { return skinContext.Skinning(); }

const TSkinLook& TvelSkinControl::Look() const { return skinContext.Look(); }

void TvelSkinControl::Repaint()
{
    if (Skinning())
        Paint();
}

void TvelSkinControl::AnswerPaint(framework::TMessage& message)
{
    framework::TPaintDC paintCycle(GetHandle());
    Paint();
    message.Result = 0;
}

bool TvelSkinControl::AnswerOwnPaintMessages(framework::TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        AnswerPaint(message);
        return true;
    case WM_ERASEBKGND:
        message.Result = 1;
        return true;
    default:
        return false;
    }
}

void TvelSkinControl::SetState(unsigned char flag, bool on)
{
    state = on ? (state | flag) : (state & ~flag);
}

bool TvelSkinControl::BeforeMessage(TMessage&) { return true; }

void TvelSkinControl::AfterMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        Repaint();
        return;
    case WM_KEYDOWN:
        if (message.WParam == VK_SPACE || message.WParam == VK_RETURN)
            SetState(StatePressed, true);
        Repaint();
        KeyDown(message.WParam);
        return;
    case WM_KEYUP:
        if (message.WParam == VK_SPACE || message.WParam == VK_RETURN)
            SetState(StatePressed, false);
        Repaint();
        KeyUp(message.WParam);
        return;
    case WM_LBUTTONDOWN:
        SetState(StatePressed, true);
        Repaint();
        MouseDown();
        return;
    case WM_LBUTTONUP:
        SetState(StatePressed, false);
        Repaint();
        MouseUp();
        return;
    case SKM_ISSKINNED:
        message.Result = 1;
        return;
    case CM_MOUSEENTER:
        SetState(StateHot, true);
        Repaint();
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        SetState(StateHot | StatePressed, false);
        Repaint();
        MouseLeave();
        return;
    default:
        if (RedrawsAfter(message.Msg))
            Repaint();
        return;
    }
}

void TvelSkinControl::DrawCaption(TBitmap& image, const std::wstring& text, bool wordWrap, RECT area,
                                  const TFont* font)
{
    const RECT bounds = GetBounds();
    TControlSurface surface(GetHandle(), DrawingOrigin(), bounds);
    HDC dc = surface.Handle();
    if (!dc)
        return;
    if (!image.Empty())
        BitBlt(dc, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               image.Canvas().Handle(), 0, 0, SRCCOPY);
    if (text.empty())
        return;

    SetBkMode(dc, TRANSPARENT);
    TSelectedObject fontSelection;
    if (font)
        fontSelection.Select(dc, font->Handle());
    const COLORREF fontColor = font ? ColorToRGB(font->Color()) : GetSysColor(COLOR_BTNTEXT);
    SetTextColor(dc, IsEnabled() ? fontColor : DisabledTextColor);
    if (Pressed())
        OffsetRect(&area, 1, 1);

    const UINT breakFlag = wordWrap ? DT_WORDBREAK : 0;
    RECT textRect = area;
    if (wordWrap)
        InflateRect(&textRect, -2, 0);
    std::wstring buffer = text;
    DrawTextW(dc, buffer.data(), int(buffer.size()), &textRect, DT_CALCRECT | DT_EXPANDTABS | breakFlag);
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
    const int textWidth = textRect.right - textRect.left, textHeight = textRect.bottom - textRect.top;
    OffsetRect(&textRect, (areaWidth - textWidth) / 2, (areaHeight - textHeight) / 2);
    buffer = text;
    DrawTextW(dc, buffer.data(), int(buffer.size()), &textRect, DT_CENTER | DT_EXPANDTABS | breakFlag);
}

void TvelSkinControl::DrawCaptionW(TBitmap& image, bool wordWrap, RECT area, const TFont* font)
{
    std::wstring text;
    if (HWND window = GetHandle()) {
        text.resize(std::size_t(GetWindowTextLengthW(window)) + 1);
        text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    }
    DrawCaption(image, text, wordWrap, area, font);
}

void TvelSkinControl::DrawImageAt(TBitmap& image, POINT at)
{
    const RECT bounds = GetBounds();
    TControlSurface surface(GetHandle(), DrawingOrigin(), bounds);
    HDC dc = surface.Handle();
    if (!dc || image.Empty())
        return;
    // The image's own canvas holds its section; a section is selected into
    // one context at a time.
    BitBlt(dc, at.x, at.y, image.Width(), image.Height(), image.Canvas().Handle(), 0, 0, SRCCOPY);
}

} // namespace orvane::skin
