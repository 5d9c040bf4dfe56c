#include "core/skinframe/FrameBorders.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Gradient.h"
#include "core/raster/ThreePartDraw.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinReader.h"

#include <algorithm>

namespace orvane {
namespace {

// The two lines that close the menu-bar strip above a tool bar: a shadow and
// a highlight one row lower.
constexpr Color MenuShadowColor = 0x808080;
constexpr Color MenuHighlightColor = 0xFFFFFF;

int WidthOf(const Bitmap* bitmap) { return bitmap ? bitmap->Width() : 0; }

// Border images go in as they are, like the title's: the bottom band's
// transparent-colour pixels are what the window region cuts away.
void Stretch(Canvas& canvas, const Rect& destination, const Bitmap* image)
{
    if (image)
        StretchRect(canvas, destination, *image, Rect{0, 0, image->Width(), image->Height()});
}

Rect Offset(const Rect& rect, int dx, int dy)
{
    return Rect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

} // namespace

int BorderTop(const FrameWindow& window) { return window.MaximizedMDIChild() ? 0 : window.titleHeight; }

bool ShowsBorders(const FrameWindow& window) { return window.hasBorder && !window.Minimized(); }

void ComposeBottomBand(const TvelSkinReader& skin, const FrameWindow& window, Canvas& band)
{
    const int w = window.width;
    const Bitmap* first = skin.GetBitmap(SKIN2_FORMBOTTOMBORDER1);
    if (!first)
        return;
    if (skin.GetFlag(SKIN2_BOTTOMBORDERTHREESECT)) {
        const Bitmap* last = skin.GetBitmap(SKIN2_FORMBOTTOMBORDER3);
        CopyRect(band, 0, 0, *first, Rect{0, 0, first->Width(), first->Height()});
        if (last)
            CopyRect(band, w - last->Width(), 0, *last, Rect{0, 0, last->Width(), last->Height()});
        Stretch(band, Rect{first->Width(), 0, w - WidthOf(last), first->Height()},
                skin.GetBitmap(SKIN2_FORMBOTTOMBORDER2));
    } else {
        DrawThreePartH(*first, band, Rect{0, 0, w, first->Height()}, skin.GetColor(SKIN2_TRANSCOLOR),
                       MaskedDraw::Opaque);
    }
}

Rect SideStripRect(const FrameMetrics& metrics, const FrameWindow& window, FrameSide side)
{
    const int top = BorderTop(window);
    // A window lower than its title and bottom border has strips of no height.
    const int bottom = std::max(window.height - metrics.bottomBorderHeight, top);
    if (side == FrameSide::Left)
        return Rect{0, top, std::max(metrics.leftBorderWidth, window.mdiSideGap), bottom};
    return Rect{window.width - std::max(metrics.rightBorderWidth, window.mdiSideGap), top, window.width, bottom};
}

void ComposeSideStrip(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window,
                      FrameSide side, Canvas& strip)
{
    // Everything is placed in window coordinates and moved by the strip's
    // top-left corner.
    const Rect area = SideStripRect(metrics, window, side);
    const int dx = -area.left, dy = -area.top;
    const int w = window.width, h = window.height;
    const int bh = metrics.bottomBorderHeight;
    const bool left = side == FrameSide::Left;
    const int borderWidth = left ? metrics.leftBorderWidth : metrics.rightBorderWidth;

    const Rect border = left ? Rect{0, area.top, borderWidth, h - bh} : Rect{w - borderWidth, area.top, w, h - bh};
    Stretch(strip, Offset(border, dx, dy), skin.GetBitmap(left ? SKIN2_FORMLEFTBORDER : SKIN2_FORMRIGHTBORDER));
    if (borderWidth >= window.mdiSideGap)
        return;

    // The unskinned frame is wider than the border: the gap between border
    // and client area takes the form colour, and beside a skinned menu bar
    // the menu bar's background, so that the bar seems to reach the border.
    const int gapLeft = left ? borderWidth : w - window.mdiSideGap;
    const int gapRight = left ? window.mdiSideGap : w - borderWidth;
    const int m = window.menuBarHeight;
    const int t = window.titleHeight;
    const int menuTop = t + window.titleExtra;
    strip.FillRect(Offset(Rect{gapLeft, m + t, gapRight, h - bh}, dx, dy), metrics.formColor);
    if (m <= 0)
        return;
    const Rect menuStrip = Offset(Rect{gapLeft, menuTop, gapRight, m + menuTop}, dx, dy);
    const Color start = skin.GetColor(SKIN2_MENUBARSTARTCOLOR);
    const Color end = skin.GetColor(SKIN2_MENUBARENDCOLOR);
    if (const Bitmap* menuBar = skin.GetBitmap(SKIN2_MENUBAR))
        Stretch(strip, menuStrip, menuBar);
    else if (start == end)
        strip.FillRect(menuStrip, start);
    else
        FillGradientV(strip, menuStrip, start, end);
    if (window.hasToolBarUnderMenu && start != metrics.formColor) {
        const int lineY = m + menuTop + dy;
        strip.HorzLine(gapLeft + dx, lineY, gapRight - gapLeft, MenuShadowColor);
        strip.HorzLine(gapLeft + dx, lineY + 1, gapRight - gapLeft, MenuHighlightColor);
    }
}

Rect BottomGapRect(const FrameMetrics& metrics, const FrameWindow& window)
{
    if (metrics.bottomBorderHeight >= window.mdiBottomGap)
        return Rect{};
    const Rect gap{metrics.leftBorderWidth, window.height - window.mdiBottomGap,
                   window.width - metrics.rightBorderWidth, window.height - metrics.bottomBorderHeight};
    return gap.Empty() ? Rect{} : gap;
}

} // namespace orvane
