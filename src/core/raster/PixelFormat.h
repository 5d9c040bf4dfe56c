#pragma once

#include "core/raster/Bitmap.h"

namespace orvane {

// Converts a bitmap to 24 bits per pixel: the colours stay, the fourth byte
// of every pixel (which 24-bit pixels do not have) becomes 0.
void ConvertTo24Bits(Bitmap& bitmap);

} // namespace orvane
