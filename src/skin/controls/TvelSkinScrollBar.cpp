#include "skin/controls/TvelSkinScrollBar.h"

#include "core/skincontrols/ScrollBarGeometry.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TForm.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/ScrollBarDrawing.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int FocusInset = 1;

} // namespace

TvelSkinScrollBar::~TvelSkinScrollBar() = default;

void TvelSkinScrollBar::Init()
{
    if (Control().IsDesigning())
        return;
    HWND parent = Control().Parent() ? Control().Parent()->Handle() : Context().EngineFormWindow();
    auto made = std::make_unique<TvelSkinInternalScrollBar2>(GetHandle());
    if (made->Create(parent))
        overlay = std::move(made);
}

void TvelSkinScrollBar::Release()
{
    overlay.reset();
    TvelSkinControlFramework::Release();
}

void TvelSkinScrollBar::SkinChanged()
{
    if (!Overlay())
        return;
    if (!Skinning())
        overlay->Hide();
    else
        Repaint();
}

void TvelSkinScrollBar::AfterMessage(TMessage& message)
{
    TvelSkinControlFramework::AfterMessage(message);
    switch (message.Msg) {
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case WM_KILLFOCUS:
    case WM_SETFOCUS:
    case WM_MOVE:
    case WM_SIZE:
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
    case CN_BASE + WM_HSCROLL:
    case CN_BASE + WM_VSCROLL:
        Repaint();
        break;
    case CM_VISIBLECHANGED:
        if (Overlay() && !Control().Visible())
            overlay->Hide();
        else
            Repaint();
        break;
    default:
        break;
    }
}

void TvelSkinScrollBar::Paint()
{
    HWND window = Handle();
    if (!Overlay() || !window)
        return;
    // Without scroll-bar drawing the face goes, rather than showing a stale
    // picture over the system's bar.
    if (!IsWindowVisible(window) || !Context().DrawScrollBar()) {
        overlay->Hide();
        return;
    }
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, GetParent(overlay->Handle()), reinterpret_cast<POINT*>(&bounds), 2);
    overlay->ShowAt(bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    TBitmap& image = overlay->Image();
    image.SetSize(width, height);
    if (image.Empty())
        return;
    const bool vertical = (GetWindowLongW(window, GWL_STYLE) & SBS_VERT) != 0;
    SCROLLBARINFO info{};
    const bool known = QueryScrollBarInfo(window, OBJID_CLIENT, info);
    const bool noThumb = !known || (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) || info.xyThumbBottom <= info.xyThumbTop;
    const Rect thumb = ThumbRect(width, height, info.xyThumbTop, info.xyThumbBottom, vertical);
    {
        Canvas canvas(image.CoreBitmap());
        PaintSkinScrollBar(Look(), canvas, Rect{0, 0, width, height}, noThumb ? nullptr : &thumb, vertical);
    }
    if (!noThumb && GetFocus() == window) {
        RECT focus{thumb.left + FocusInset, thumb.top + FocusInset, thumb.right - FocusInset, thumb.bottom - FocusInset};
        DrawFocusRect(image.Canvas().Handle(), &focus);
    }
    overlay->Present();
}

} // namespace orvane::skin
