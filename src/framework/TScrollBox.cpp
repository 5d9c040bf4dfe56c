#include "framework/TScrollBox.h"

#include "framework/PublishedProperties.h"
#include "framework/ScrollRequests.h"

#include <algorithm>
#include <vector>

namespace orvane::framework {

namespace {

constexpr int DefaultBoxWidth = 185;
constexpr int DefaultBoxHeight = 41;
constexpr int LineStep = 8;

constexpr TPropertyInfo ScrollBoxProperties[] = {
    PublishedValue<TScrollBox, &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle>(L"BorderStyle",
                                                                                     TPropertyKind::Enumeration),
};

} // namespace

const TClassInfo TScrollBox::ClassInfo{L"TScrollBox", &TWinControl::ClassInfo, ScrollBoxProperties};

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, DefaultBoxWidth, DefaultBoxHeight); }

void TScrollBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    if (borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

void TScrollBox::SetRange(int horizontal, int vertical)
{
    range = SIZE{std::max(0, horizontal), std::max(0, vertical)};
    UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    // Twice, since one bar appearing narrows the room of the other.
    for (int pass = 0; pass < 2; ++pass) {
        RECT client{};
        GetClientRect(window, &client);
        SCROLLINFO horizontal{sizeof(horizontal), SIF_ALL | SIF_DISABLENOSCROLL, 0, std::max(0, int(range.cx) - 1),
                              UINT(client.right), int(offset.x), 0};
        SCROLLINFO vertical{sizeof(vertical), SIF_ALL | SIF_DISABLENOSCROLL, 0, std::max(0, int(range.cy) - 1),
                            UINT(client.bottom), int(offset.y), 0};
        if (range.cx > 0)
            SetScrollInfo(window, SB_HORZ, &horizontal, TRUE);
        if (range.cy > 0)
            SetScrollInfo(window, SB_VERT, &vertical, TRUE);
    }
}

void TScrollBox::ScrollTo(int x, int y)
{
    HWND window = WindowHandle();
    RECT client{};
    GetClientRect(window, &client);
    x = std::clamp(x, 0, std::max(0, int(range.cx) - int(client.right)));
    y = std::clamp(y, 0, std::max(0, int(range.cy) - int(client.bottom)));
    const int dx = offset.x - x, dy = offset.y - y;
    if (dx == 0 && dy == 0)
        return;
    offset = POINT{x, y};
    std::vector<TControl*> children;
    for (int index = 0; index < ControlCount(); ++index)
        children.push_back(Controls(index));
    for (TControl* child : children)
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    SetScrollPos(window, SB_HORZ, offset.x, TRUE);
    SetScrollPos(window, SB_VERT, offset.y, TRUE);
    InvalidateRect(window, nullptr, TRUE);
}

void TScrollBox::Scroll(int bar, int request)
{
    const std::optional<int> position = RequestedScrollPosition(WindowHandle(), bar, request, LineStep);
    if (!position)
        return;
    if (bar == SB_HORZ)
        ScrollTo(*position, offset.y);
    else
        ScrollTo(offset.x, *position);
}

void TScrollBox::WndProc(TMessage& message)
{
    if ((message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL) && message.LParam == 0) {
        Scroll(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(message.WParam));
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace orvane::framework
