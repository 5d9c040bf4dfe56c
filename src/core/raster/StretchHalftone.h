#pragma once

#include "core/raster/Canvas.h"

namespace orvane {

// Stretches the whole bitmap (or a part of it) into the destination rectangle
// with area averaging, as GDI's HALFTONE stretch mode does: every destination
// pixel gets the mean of the source area it covers, each source pixel
// weighted by the share of it that lies inside that area. Shrinking keeps the
// look of thin lines and gradients; enlarging repeats pixels and blends at
// their seams.
void StretchHalftone(const Bitmap& bitmap, Canvas& canvas, const Rect& destination);
void StretchHalftoneRect(const Bitmap& bitmap, const Rect& sourceRect, Canvas& canvas, const Rect& destination);

} // namespace orvane
