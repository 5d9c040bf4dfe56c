#pragma once

#include "core/raster/Rect.h"

namespace orvane {

// The box a check box or radio button frame is drawn in: at least 13 x 13,
// larger when the frame is, so that a small frame still covers the box the
// control drew itself.
constexpr int LeastCheckBoxSize = 13;

struct CheckBoxPlacement {
    int boxWidth = 0;
    int boxHeight = 0;
    int x = 0; // where the box goes in the control's client area
    int y = 0;
    int frameX = 0; // where the frame goes in the box
    int frameY = 0;
};

// `boxLeft`: the caption is right of the box. The frame then starts at the
// left edge; else it ends one pixel before the right edge. It is centred
// vertically. The box is centred vertically by its own height and lies on the
// frame's side, so that it covers the box the control drew itself (13 x 13,
// centred) even when the frame is smaller; the frame keeps its place in it.
CheckBoxPlacement PlaceCheckBox(int frameWidth, int frameHeight, int clientWidth, int clientHeight, bool boxLeft);

} // namespace orvane
