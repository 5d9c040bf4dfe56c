#pragma once

#include "core/raster/Bitmap.h"

namespace orvane {

// Quarter and half turns in place. For a w x h bitmap:
//   RotateCCW90: becomes h x w; the pixel at (x, y) moves to (y, w - 1 - x)
//   Rotate180:   (x, y) moves to (w - 1 - x, h - 1 - y)
//   RotateCW90:  becomes h x w; (x, y) moves to (h - 1 - y, x)
void RotateCCW90(Bitmap& bitmap);
void Rotate180(Bitmap& bitmap);
void RotateCW90(Bitmap& bitmap);

} // namespace orvane
