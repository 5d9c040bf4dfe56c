#pragma once

#include "core/raster/Rect.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinframe/FrameWindow.h"
#include "core/skinmodel/SkinKeys.h"

#include <array>

namespace orvane {

class TvelSkinReader;

// A title button where the title shows it.
struct TitleButtonPlace {
    TitlePart part = NoTitlePart;
    Rect drawn;          // in the band, whose (0, 0) is the window's top-left corner
    int normalFrame = 0; // its normal frame in the strip; the hot and pressed ones follow it
    bool enabled = true; // a button that is shown but does not act: drawn faded, never hot
};

// Where the parts of a window's title stand, computed from the skin and the
// window's state alone, without pixels or text: hit testing and painting
// both read it, so that what is found under the pointer is what is drawn
// there.
struct TitleLayout {
    static constexpr int MaxButtons = 4;

    // The hit rectangles are the drawn ones moved left by this.
    int leftBorderWidth = 0;
    bool hasIcon = false;
    Rect iconRect; // the 16 x 16 icon, when hasIcon
    // Close, maximize, minimize and help, those the window shows, in this
    // order: where two overlap, the later one is the one under the pointer.
    std::array<TitleButtonPlace, MaxButtons> buttons{};
    int buttonCount = 0;
    int buttonFrameWidth = 0;
    int buttonFrameHeight = 0;
    int buttonsLeft = 10000; // left limit of the title-button strip
    int buttonReserve = 0;   // room kept free for the buttons at the caption's right
    bool maxButtonShown = false;
    bool maxItemEnabled = false;
    bool minItemEnabled = false;
    bool closeItemEnabled = false;
    int captionX = 0;
    int captionTop = 0;
};

// Width of the title kept free for the close, maximize and minimize buttons:
// n x bw + 2 x (n - 1) + 15 for the n of them shown (help not counted).
int TitleButtonReserve(const FrameWindow& window, int buttonFrameWidth, unsigned dpi = DefaultDpi);

// The layout of a window that has a caption and is not a maximized MDI
// child. The hot part and the button state of `window` do not enter it.
TitleLayout LayOutTitle(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window);

// What lies under a point of the title.
struct TitleHit {
    int part = NoTitlePart;
    // The point is on a button drawn disabled: no part is hot, and a click
    // there neither acts nor moves the window.
    bool overDisabledButton = false;

    bool operator==(const TitleHit&) const = default;
};

// The part at (x, y) of the title's own coordinates: the window's, moved
// left by the left border width (with the client area right below the
// title, the client coordinates with T added to y). Every edge of a part's
// rectangle counts as inside.
TitleHit TitlePartAt(const TitleLayout& layout, int x, int y);

} // namespace orvane
