#pragma once

#include "core/raster/Bitmap.h"

namespace orvane {

// The picture a disabled button or menu item shows for a colour image: every
// pixel becomes the grey of its brightness, lifted halfway towards white, so
// that no colour is left and dark strokes fade as the system's greyed images
// do. The X byte of each pixel (the alpha of a 32-bit image) is kept, so an
// image with straight alpha keeps its shape and soft edges.
Bitmap Greyed(const Bitmap& source);

} // namespace orvane
