#pragma once

#include "core/raster/Bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// Decodes a Windows bitmap file (.bmp): uncompressed 1, 4, 8, 16, 24 and 32
// bits per pixel, 16 and 32 also with colour masks, rows bottom-up or
// top-down. The result's BitsPerPixel is the file's depth. Anything else, or a
// file too short for what its headers declare, gives no bitmap.
std::optional<Bitmap> DecodeWindowsBitmap(std::span<const std::uint8_t> file);

// Encodes a bitmap as an uncompressed bottom-up Windows bitmap file of 24 or
// 32 bits per pixel (32 keeps each pixel's X byte).
std::vector<std::uint8_t> EncodeWindowsBitmap(const Bitmap& bitmap, int bitsPerPixel = 24);

} // namespace orvane
