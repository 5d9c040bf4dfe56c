#include "core/skinframe/TitleLayout.h"

#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinReader.h"

#include <algorithm>

namespace orvane {
namespace {

// The strip's normal frames (the hot one follows each, then the pressed one).
constexpr int HelpFrame = 4;
constexpr int MaximizeFrame = 7;
constexpr int RestoreFrame = 10;
constexpr int MinimizeFrame = 13;
constexpr int CloseFrame = 16;

// Room between the caption's start and the icon's place: the caption begins
// this far right of the icon x, and that much further left without an icon.
constexpr int CaptionOffset = 20;
constexpr int IconSize = 16;
// Gap between two title buttons, and the reserve's fixed part.
constexpr int ButtonGap = 2;
constexpr int ReserveBase = 15;

// Minimized windows centre their parts in a 26-pixel title and keep them at
// least 22 pixels deep; they start 5 pixels from the right edge.
constexpr int MinimizedTitleHeight = 26;
constexpr int MinimizedPartDepth = 22;
constexpr int MinimizedPartShift = 2;
constexpr int MinimizedButtonMargin = 5;
constexpr int MinimizedCaptionTop = 4;
// A normal window's parts start no higher than this row (the icon would
// touch the top edge).
constexpr int LowestPartTop = 4;

Rect HitRect(const Rect& drawn, int leftBorderWidth)
{
    return Rect{drawn.left - leftBorderWidth, drawn.top, drawn.right - leftBorderWidth, drawn.bottom};
}

} // namespace

int TitleButtonReserve(const FrameWindow& window, int buttonFrameWidth, unsigned dpi)
{
    const int shown = int(window.hasCloseButton) + int(window.hasMaximizeButton) + int(window.hasMinimizeButton);
    return shown * buttonFrameWidth + ScaleForDpi(ButtonGap, dpi) * (shown - 1) + ScaleForDpi(ReserveBase, dpi);
}

TitleLayout LayOutTitle(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window)
{
    TitleLayout layout;
    const Bitmap* strip = skin.GetBitmap(SKIN2_TITLEBUTTONS);
    const int bw = strip ? strip->Width() / ButtonStripFrames : 0;
    const int frameHeight = strip ? strip->Height() : 0;
    const bool minimized = window.Minimized();
    layout.leftBorderWidth = metrics.leftBorderWidth;
    layout.buttonFrameWidth = bw;
    layout.buttonFrameHeight = frameHeight;
    layout.buttonReserve = TitleButtonReserve(window, bw, metrics.dpi);
    const int captionOffset = metrics.Scaled(CaptionOffset);
    const int buttonGap = metrics.Scaled(ButtonGap);

    int y = metrics.iconY;
    if (minimized) {
        y = std::max((metrics.Scaled(MinimizedTitleHeight) - frameHeight) / 2, 0);
        if (frameHeight + y < metrics.Scaled(MinimizedPartDepth))
            y += metrics.Scaled(MinimizedPartShift);
    } else if (y < metrics.Scaled(LowestPartTop)) {
        y = metrics.Scaled(LowestPartTop);
    }

    layout.captionX = metrics.iconX + captionOffset;
    layout.captionTop = minimized ? metrics.Scaled(MinimizedCaptionTop) : metrics.captionTop;
    if (window.hasSystemIcon) {
        layout.hasIcon = true;
        layout.iconRect = RectOfSize(std::max(metrics.iconX, 0), y, metrics.Scaled(IconSize), metrics.Scaled(IconSize));
    } else {
        layout.captionX -= captionOffset;
    }

    int x = minimized ? window.width - bw - metrics.Scaled(MinimizedButtonMargin) : window.width - metrics.buttonX - bw;
    if (!minimized)
        y = metrics.buttonY;
    const auto place = [&](TitlePart part, int normalFrame, bool enabled) {
        layout.buttons[std::size_t(layout.buttonCount++)] =
            TitleButtonPlace{part, RectOfSize(x, y, bw, frameHeight), normalFrame, enabled};
    };
    if (window.hasCloseButton) {
        place(ClosePart, CloseFrame, window.closeButtonEnabled);
        layout.closeItemEnabled = window.closeButtonEnabled;
        x -= bw + buttonGap;
    }
    if (window.hasMaximizeButton) {
        place(MaximizePart, window.Maximized() ? RestoreFrame : MaximizeFrame, true);
        layout.maxButtonShown = true;
        layout.maxItemEnabled = true;
        x -= bw + buttonGap;
    }
    if (window.hasMinimizeButton) {
        place(MinimizePart, minimized ? RestoreFrame : MinimizeFrame, true);
        layout.minItemEnabled = true;
        x -= bw + buttonGap;
    }
    // Help sits left of the others and leaves x where it is.
    if (window.hasHelpButton)
        place(HelpPart, HelpFrame, true);
    layout.buttonsLeft = x + bw;
    return layout;
}

TitleHit TitlePartAt(const TitleLayout& layout, int x, int y)
{
    TitleHit hit;
    if (layout.hasIcon && PointInRect(x, y, HitRect(layout.iconRect, layout.leftBorderWidth)))
        hit.part = IconPart;
    for (int index = 0; index < layout.buttonCount; ++index) {
        const TitleButtonPlace& button = layout.buttons[std::size_t(index)];
        if (!PointInRect(x, y, HitRect(button.drawn, layout.leftBorderWidth)))
            continue;
        hit.part = button.enabled ? int(button.part) : NoTitlePart;
        hit.overDisabledButton = !button.enabled;
    }
    return hit;
}

} // namespace orvane
