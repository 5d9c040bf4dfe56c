#include "skin/controls/TvelSkinScrollWinControl.h"

#include "core/skincontrols/ScrollBarGeometry.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TControl.h"
#include "framework/TForm.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/ScrollBarDrawing.h"

namespace orvane::skin {

using namespace framework;

namespace {

// The thumb of a dragged scroll bar, one for each direction, as the tracked
// scroll requests leave it: the program has one pointer, so one drag at most.
struct TThumbTracking {
    bool tracking = false;
    int start = 0;
    int end = 0;
    int length = 0;
    RECT bar{};
    POINT pressedAt{};
};

TThumbTracking& Tracking(bool vertical)
{
    static TThumbTracking verticalBar, horizontalBar;
    return vertical ? verticalBar : horizontalBar;
}

// Rich-edit controls of other libraries that move their text only when the
// drag ends.
constexpr const wchar_t* TrackedRichEditClasses[] = {L"TRxRichEdit", L"TRxCustomRichEdit", L"TJvxRichEdit"};

Rect ToRect(const RECT& r) { return Rect{int(r.left), int(r.top), int(r.right), int(r.bottom)}; }

} // namespace

TvelSkinScrollWinControl::~TvelSkinScrollWinControl() = default;

bool TvelSkinScrollWinControl::WantsOverlays() const
{
    const TControl& control = Control();
    const TWinControl* parent = control.Parent();
    // Inside panels on a tab page the page's own drawing covers the bars.
    if (parent && parent->InheritsFrom(L"TCustomPanel")) {
        const TWinControl* above = parent;
        while (above && above->InheritsFrom(L"TCustomPanel"))
            above = above->Parent();
        if (above && above->ClassName() == L"TTabPage")
            return false;
    }
    if (control.InheritsFrom(L"TCustomFrame"))
        return false;
    if (control.InheritsFrom(L"TCustomEdit")) {
        if (control.InheritsFrom(L"TCustomMaskEdit") || control.ClassName() == L"TSpinEdit")
            return false;
        HWND window = Handle();
        const bool multiLine =
            window ? (GetWindowLongW(window, GWL_STYLE) & ES_MULTILINE) != 0 : control.InheritsFrom(L"TMemo");
        if (!multiLine)
            return false;
    }
    return true;
}

bool TvelSkinScrollWinControl::TracksThumb() const
{
    const TControl& control = Control();
    if (control.InheritsFrom(L"TCustomGrid") || control.InheritsFrom(L"TScrollBox"))
        return true;
    // The system's edit control scrolls its text while the thumb is dragged
    // but reports the thumb's new place only when the drag ends, as those
    // rich-edit controls do; the memos with faces are such edits.
    if (control.InheritsFrom(L"TCustomEdit"))
        return true;
    for (const wchar_t* name : TrackedRichEditClasses)
        if (control.ClassName() == name)
            return true;
    return false;
}

HWND TvelSkinScrollWinControl::OverlayParent() const
{
    if (TWinControl* parent = Control().Parent())
        return parent->Handle();
    return Context().EngineFormWindow();
}

void TvelSkinScrollWinControl::Init()
{
    if (Control().IsDesigning() || !WantsOverlays())
        return;
    HWND control = GetHandle();
    HWND parent = OverlayParent();
    for (const bool isVertical : {true, false}) {
        auto overlay = std::make_unique<TvelSkinInternalScrollBar>(control, isVertical);
        if (!overlay->Create(parent))
            continue;
        (isVertical ? vertical : horizontal) = std::move(overlay);
    }
}

void TvelSkinScrollWinControl::Release()
{
    vertical.reset();
    horizontal.reset();
    TvelSkinBorderWinControl::Release();
}

void TvelSkinScrollWinControl::HideOverlays()
{
    for (auto* overlay : {vertical.get(), horizontal.get()})
        if (overlay)
            overlay->Hide();
}

void TvelSkinScrollWinControl::SkinChanged()
{
    if (!Skinning()) {
        HideOverlays();
        return;
    }
    Repaint();
}

void TvelSkinScrollWinControl::AfterMessage(TMessage& message)
{
    TvelSkinBorderWinControl::AfterMessage(message);
    switch (message.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOVE:
    case WM_SIZE:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CHAR:
        Repaint();
        break;
    case CM_VISIBLECHANGED:
        if (!Control().Visible())
            HideOverlays();
        else
            Repaint();
        break;
    default:
        break;
    }
}

void TvelSkinScrollWinControl::TrackThumb(TMessage& message)
{
    if (!TracksThumb())
        return;
    if (message.Msg == WM_NCLBUTTONDOWN) {
        POINT cursor{};
        GetCursorPos(&cursor);
        Tracking(true).pressedAt = cursor;
        Tracking(false).pressedAt = cursor;
        return;
    }
    const bool isVertical = message.Msg == WM_VSCROLL;
    TThumbTracking& track = Tracking(isVertical);
    HWND window = Handle();
    const auto read = [&] {
        SCROLLBARINFO info{};
        if (!QueryScrollBarInfo(window, isVertical ? OBJID_VSCROLL : OBJID_HSCROLL, info))
            return;
        track.start = info.xyThumbTop;
        track.end = info.xyThumbBottom;
        track.bar = info.rcScrollBar;
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&track.bar), 2);
        track.length = track.end - track.start;
        track.tracking = false;
    };
    read();
    switch (LOWORD(message.WParam)) {
    case SB_THUMBTRACK: {
        POINT cursor{};
        GetCursorPos(&cursor);
        track.tracking = true;
        const int travel = isVertical ? cursor.y - track.pressedAt.y : cursor.x - track.pressedAt.x;
        const int barLength = isVertical ? track.bar.bottom - track.bar.top : track.bar.right - track.bar.left;
        const int arrow = GetSystemMetrics(isVertical ? SM_CYVSCROLL : SM_CXHSCROLL);
        track.start = TrackedThumbStart(track.start, travel, barLength, arrow, track.length);
        track.end = track.start + track.length;
        break;
    }
    case SB_THUMBPOSITION:
        read();
        break;
    default:
        break;
    }
}

bool TvelSkinScrollWinControl::PlaceOverlay(TvelSkinInternalScrollBar& overlay, RECT& placed)
{
    HWND window = Handle();
    const bool isVertical = overlay.Vertical();
    SCROLLBARINFO info{};
    if (!QueryScrollBarInfo(window, isVertical ? OBJID_VSCROLL : OBJID_HSCROLL, info) ||
        (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) || (info.rgstate[0] & STATE_SYSTEM_OFFSCREEN)) {
        overlay.Hide();
        return false;
    }
    RECT bar = info.rcScrollBar;
    HWND parent = GetParent(overlay.Handle());
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bar), 2);
    const Rect area = ToRect(bar);
    if (isVertical ? !OverlayFitsVerticalBar(area) : !OverlayFitsHorizontalBar(area)) {
        overlay.Hide();
        return false;
    }
    overlay.ShowAt(bar);
    placed = bar;

    const int width = area.Width(), height = area.Height();
    TBitmap& image = overlay.Image();
    image.SetSize(width, height);
    if (image.Empty())
        return true;
    int thumbStart = info.xyThumbTop, thumbEnd = info.xyThumbBottom;
    if (const TThumbTracking& track = Tracking(isVertical); TracksThumb() && track.tracking) {
        thumbStart = track.start;
        thumbEnd = track.end;
    }
    {
        Canvas canvas(image.CoreBitmap());
        const Rect thumb = ThumbRect(width, height, thumbStart, thumbEnd, isVertical);
        const bool noThumb = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0 || thumbEnd <= thumbStart;
        PaintSkinScrollBar(Look(), canvas, Rect{0, 0, width, height}, noThumb ? nullptr : &thumb, isVertical);
    }
    overlay.Present();
    return true;
}

void TvelSkinScrollWinControl::Paint()
{
    PaintBorder();
    HWND window = Handle();
    if (!vertical && !horizontal)
        return;
    if (!window || !IsWindowVisible(window) || !Context().DrawScrollBar()) {
        HideOverlays();
        return;
    }
    RECT verticalBar{}, horizontalBar{};
    const bool verticalShown = Live(vertical) && PlaceOverlay(*vertical, verticalBar);
    const bool horizontalShown = Live(horizontal) && PlaceOverlay(*horizontal, horizontalBar);
    if (!verticalShown || !horizontalShown)
        return;
    // The square between the two bars, in the control's window.
    const Rect corner = ScrollBarCorner(ToRect(verticalBar), ToRect(horizontalBar));
    if (corner.Empty())
        return;
    RECT square{corner.left, corner.top, corner.right, corner.bottom};
    MapWindowPoints(GetParent(vertical->Handle()), window, reinterpret_cast<POINT*>(&square), 2);
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    POINT clientOrigin{0, 0};
    ClientToScreen(window, &clientOrigin);
    // Client coordinates to window coordinates.
    OffsetRect(&square, clientOrigin.x - windowRect.left, clientOrigin.y - windowRect.top);
    const TWindowDC dc(window);
    const TBrushHandle brush(CreateSolidBrush(Look().GetSkinColor(SKIN2_FORMCOLOR)));
    FillRect(dc.Handle(), &square, brush.Get());
}

} // namespace orvane::skin
