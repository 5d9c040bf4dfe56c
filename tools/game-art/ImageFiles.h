#pragma once

#include "core/raster/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::art {

// A Windows icon file with one 32-bit image per bitmap (straight alpha, with
// the AND mask set where a pixel is fully transparent). Sizes up to 256.
std::vector<std::uint8_t> EncodeIconFile(const std::vector<Bitmap>& images);

// A PAM file (RGB_ALPHA), for looking at the pictures with common tools.
std::vector<std::uint8_t> EncodePam(const Bitmap& image);

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace orvane::art
