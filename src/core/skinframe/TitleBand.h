#pragma once

#include "core/raster/Canvas.h"
#include "core/raster/Rect.h"
#include "core/raster/TextMeasurer.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinframe/FrameWindow.h"

#include <string>

namespace orvane {

class TvelSkinReader;

// The title parts, numbered as the frame's hot-part state holds them.
enum TitlePart : int {
    NoTitlePart = -1,
    IconPart = 0,
    ClosePart = 1,
    MaximizePart = 2, // maximize or restore
    MinimizePart = 3, // minimize or restore
    HelpPart = 4,
};

// Where and how the caption goes; the Win32 side draws it with the system's
// text output (transparent background, caption font) into the composed band.
struct CaptionPlacement {
    int x = 0;
    int top = 0;
    Color color = 0;
    std::wstring wideText; // already shortened; drawn as one line into (x, top, 2048, 100) when not empty
    std::string ansiText;  // already shortened; written at (x, top) when wideText is empty
};

// What composing the title band found out, besides its pixels.
struct TitleBandResult {
    int hotButton = NoTitlePart; // the title part under the pointer
    // The pointer is on a button drawn disabled: no part is hot, and a click
    // there neither acts nor moves the window.
    bool overDisabledButton = false;
    bool maxButtonShown = false;
    bool maxItemEnabled = false;
    bool minItemEnabled = false;
    bool closeItemEnabled = false;
    int buttonsLeft = 10000; // left limit of the title-button strip
    bool drawIcon = false;   // the Win32 side draws the 16 x 16 icon into iconRect
    Rect iconRect;
    CaptionPlacement caption;
};

// Width of the title kept free for the close, maximize and minimize buttons:
// n x bw + 2 x (n - 1) + 15 for the n of them shown (help not counted).
int TitleButtonReserve(const FrameWindow& window, int buttonFrameWidth);

// The band's size: W x max(T, origTopHeight).
int TitleBandHeight(const FrameWindow& window);

// The least window width at which the title shows the whole caption beside
// the title buttons (the button reserve, and for a five-section title the
// plate's end) without taking the narrow-window drawing. Text widths come
// from the measurer in the caption font; the window's own width is not read.
int TitleWidthForCaption(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window,
                         const TextMeasurer& captionFont);

// Composes the title bar of a window that has a caption and is not a
// maximized MDI child into a canvas of TitleBandHeight rows and W columns
// (the canvas's pixels at (0, 0) are the window's top-left corner): the
// title images, filler, gap fills and title buttons in their normal, hot or
// pressed frames (a disabled close button in its normal frame, faded to
// grey). The images go in as they are, transparent-colour pixels
// included, since those are what the window region cuts away; only the
// buttons are drawn masked, and only when SKIN2_TITLEBTNTRANS is set. Text
// widths come from the measurer in the caption font.
TitleBandResult ComposeTitleBand(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window,
                                 const TextMeasurer& captionFont, Canvas& band);

} // namespace orvane
