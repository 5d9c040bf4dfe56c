#pragma once

#include "core/raster/Bitmap.h"

#include <cstdint>
#include <vector>

namespace orvane {

// Encodes a bitmap as a PNG file: 8-bit RGB, no interlace, rows unfiltered,
// compressed by zlib.
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);

} // namespace orvane
