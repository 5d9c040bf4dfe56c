#pragma once

#include "core/raster/Bitmap.h"

namespace orvane {

// Converts the bitmap to 24 bits per pixel and gives every pixel of exactly
// the old colour the new colour. Skins use it to fill the transparent colour
// of an image with the colour the image will stand on.
void ReplaceColor(Bitmap& bitmap, Color oldColor, Color newColor);

} // namespace orvane
