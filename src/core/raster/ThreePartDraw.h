#pragma once

#include "core/raster/Canvas.h"

namespace orvane {

enum class MaskedDraw { Opaque, Masked };

// Three-part drawing spreads an image over a rectangle of another length: the
// two end parts keep their size and the middle part is stretched between them.

// The bitmap is three equal parts of width w div 3 side by side, drawn at the
// bitmap's own height. A rectangle narrower than one part gets part 0, cut to
// the rectangle's width, at its top-left; otherwise part 0 goes to the left,
// part 2 to the right edge and part 1 is stretched over the space between.
// Masked: pixels of the transparent colour are left out.
void DrawThreePartH(const Bitmap& bitmap, Canvas& canvas, const Rect& rect, Color transparent, MaskedDraw masked);

// Vertical: the first capHeight rows go to the top of the rectangle and the
// last capHeight rows to its bottom, both stretched to the rectangle's width;
// the rows between are stretched with StretchHalftone over the rest. A cap
// height of 0 means a third of the bitmap's height. The bitmap is converted to
// 24 bits per pixel. Nothing is drawn when the rectangle's left is negative.
void DrawThreePartV(Bitmap& bitmap, Canvas& canvas, const Rect& rect, int capHeight);

// The same across: the first and last capWidth columns are the caps.
void DrawThreePartHCap(Bitmap& bitmap, Canvas& canvas, const Rect& rect, int capWidth);

} // namespace orvane
