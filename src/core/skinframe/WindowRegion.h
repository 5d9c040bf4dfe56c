#pragma once

#include "core/raster/Bitmap.h"
#include "core/raster/Rect.h"
#include "core/skinframe/FrameMetrics.h"

#include <vector>

namespace orvane {

// The rectangles whose union is a skinned window's region: the opaque runs of
// the title band's and bottom band's rows between their MINY and MAXY rows,
// the other rows of the bands whole, and everything between the bands. A
// band is null when its NEEDREGION flag is off. Pixels are compared by colour
// (the X byte does not count) with the transparent colour. Row values that
// lie outside a band are held to the band, so no skin makes the scan read
// past its pixels.
std::vector<Rect> BuildWindowRegion(const Bitmap* titleBand, const Bitmap* bottomBand, int width, int height,
                                    const FrameMetrics& metrics);

} // namespace orvane
