#pragma once

#include "core/base/DpiScale.h"
#include "core/raster/Pixel.h"

namespace orvane {

class TvelSkinReader;

// The least frame a skinned window keeps at its sides and bottom, and the
// least MDI gaps: narrower skin borders are filled out to it.
inline constexpr int LeastFrameWidth = 4;

// The sizes, places and colours of a skinned frame, derived from the current
// skin each time one is applied. Every skinned window reads them; nothing
// else of the skin decides the frame's geometry.
struct FrameMetrics {
    int titleHeight = 0;        // height of SKIN2_TITLEBAR1
    int leftBorderWidth = 0;    // width of SKIN2_FORMLEFTBORDER
    int rightBorderWidth = 0;   // width of SKIN2_FORMRIGHTBORDER
    int bottomBorderHeight = 0; // height of SKIN2_FORMBOTTOMBORDER1
    Color transparentColor = 0; // SKIN2_TRANSCOLOR
    Color formColor = 0;        // SKIN2_FORMCOLOR
    Color activeCaptionColor = 0;
    Color inactiveCaptionColor = 0; // the system's, not the skin's
    int iconX = 0;
    int iconY = 0;
    int captionTop = 0;
    int buttonX = 0; // distance of the rightmost title button's right edge from the window's right edge
    int buttonY = 0;
    // The only rows of each band that may hold transparent pixels; -1 when the
    // skin does not say.
    int titleRegionMinY = -1;
    int titleRegionMaxY = -1;
    int bottomRegionMinY = -1;
    int bottomRegionMaxY = -1;
    int minimumFrameWidth = 0;
    // The DPI the skin's pictures and numbers were made for; the frame's own
    // fixed lengths (gaps, the icon's size, the caption's offset) are drawn
    // at it too.
    unsigned dpi = DefaultDpi;

    // A fixed length of the frame, written for 96 DPI, at the metrics' DPI.
    int Scaled(int pixels) const { return ScaleForDpi(pixels, dpi); }
};

// The metrics of the reader's skin. Images the skin lacks count as 0 x 0.
FrameMetrics FrameMetricsFromSkin(const TvelSkinReader& reader, Color inactiveCaptionColor);

} // namespace orvane
