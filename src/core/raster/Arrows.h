#pragma once

#include "core/raster/Canvas.h"

namespace orvane {

enum class ArrowState { Disabled, Enabled };

// Small filled triangles for combo-box and up-down buttons, in pen and brush
// of one colour: black when enabled; when disabled, first the same triangle
// in white moved by (1, 1), then one in grey 0x808080 at the place itself.
// The corner points:
//   down  (x, y), (x + 6, y), (x + 3, y + 3)
//   up    (x, y), (x - 3, y + 3), (x + 3, y + 3)
//   left  (x, y), (x + 3, y + 3), (x + 3, y - 3)
//   right (x, y), (x, y + 6), (x + 3, y + 3)
// The outline is part of the triangle, so a down arrow covers 7, 5, 3 and 1
// pixels in its four rows.
void DrawArrowDown(Canvas& canvas, int x, int y, ArrowState state);
void DrawArrowUp(Canvas& canvas, int x, int y, ArrowState state);
void DrawArrowLeft(Canvas& canvas, int x, int y, ArrowState state);
void DrawArrowRight(Canvas& canvas, int x, int y, ArrowState state);

} // namespace orvane
