#pragma once

#include "core/raster/Canvas.h"
#include "core/raster/Rect.h"
#include "core/raster/TextMeasurer.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinframe/FrameWindow.h"
#include "core/skinframe/TitleLayout.h"

#include <string>

namespace orvane {

class TvelSkinReader;

// Where and how the caption goes; the Win32 side draws it with the system's
// text output (transparent background, caption font) into the composed band.
struct CaptionPlacement {
    int x = 0;
    int top = 0;
    Color color = 0;
    std::wstring wideText; // already shortened; drawn as one line into (x, top, 2048, 100) when not empty
    std::string ansiText;  // already shortened; written at (x, top) when wideText is empty
};

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
// title images, filler, gap fills and the title buttons where the layout
// puts them, in their normal frames, the hot part's in its hot frame or,
// while the button is down, its pressed frame (a disabled close button in
// its normal frame, faded to grey). The images go in as they are,
// transparent-colour pixels included, since those are what the window
// region cuts away; only the buttons are drawn masked, and only when
// SKIN2_TITLEBTNTRANS is set. The icon and the caption are left to the
// Win32 side, which draws them with the system's functions: the caption as
// returned, shortened to its room by the measurer in the caption font.
CaptionPlacement ComposeTitleBand(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window,
                                  const TitleLayout& layout, const TextMeasurer& captionFont, Canvas& band);

} // namespace orvane
