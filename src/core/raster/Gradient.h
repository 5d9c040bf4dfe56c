#pragma once

#include "core/raster/Canvas.h"

namespace orvane {

// Two-colour gradients over a rectangle.
//
// FillGradientV: the top row in the top colour, the bottom row in the bottom
// colour, and every row y between them, per channel,
//   top + trunc((bottom - top) / (rect height) * (y - rect top - 1)).
// FillGradientH: the same over columns with the factor (x - rect left).
// Nothing is drawn for an empty rectangle.
void FillGradientV(Canvas& canvas, const Rect& rect, Color topColor, Color bottomColor);
void FillGradientH(Canvas& canvas, const Rect& rect, Color leftColor, Color rightColor);

} // namespace orvane
