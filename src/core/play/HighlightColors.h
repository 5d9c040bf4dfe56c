#pragma once

#include "core/raster/Pixel.h"

namespace orvane {

// The colours of the board's highlights, 0x00BBGGRR.
struct HighlightColors {
    Color peerShade = 0;    // background of the selected cell's row, column and box
    Color digitShade = 0;   // background of cells holding the selected cell's digit, and behind its marks
    Color conflictText = 0; // a digit repeated in its row, column or box
    bool operator==(const HighlightColors&) const = default;
};

// The highlight colours from a skin's palette: the fill of a tool button
// under the pointer shades the peers, the fill of a pressed tool button the
// cells of the same digit. A colour the skin lacks (MissingColor) or one too
// near white to show gives a light blue of our own; one too dark to read a
// digit on is paled towards white. No skin has a warning colour, so
// conflicts are always dark orange, apart from the red of the error check.
HighlightColors HighlightColorsFrom(Color hoverFill, Color pressedFill);

// The perceived brightness of a colour, 0..255.
int Luma(Color color);
// The colour mixed with white just enough to reach the brightness; a colour
// as bright or brighter is returned as it is.
Color PaledTo(Color color, int brightness);

} // namespace orvane
