#pragma once

#include "core/raster/Bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// The size a bitmap file declares.
struct WindowsBitmapSize {
    int width = 0;
    int height = 0;
};

// The size from a bitmap file's headers, without decoding it; nothing when
// DecodeWindowsBitmap would reject the headers.
std::optional<WindowsBitmapSize> ReadWindowsBitmapSize(std::span<const std::uint8_t> file);

// Decodes a Windows bitmap file (.bmp): uncompressed 1, 4, 8, 16, 24 and 32
// bits per pixel, 16 and 32 also with colour masks, 8 and 4 bits also
// run-length encoded (RLE8, RLE4), rows bottom-up or top-down. The result's
// BitsPerPixel is the file's depth. Anything else, a file too short for what
// its headers declare, damaged run-length data, or a size of more than
// maxPixels pixels gives no bitmap; the size is checked before pixel memory
// is taken. There is no default: a few bytes of run-length data declare any
// size, so every caller of untrusted files says how much it accepts.
std::optional<Bitmap> DecodeWindowsBitmap(std::span<const std::uint8_t> file, std::uint64_t maxPixels);

// Encodes a bitmap as an uncompressed bottom-up Windows bitmap file of 24 or
// 32 bits per pixel (32 keeps each pixel's X byte).
std::vector<std::uint8_t> EncodeWindowsBitmap(const Bitmap& bitmap, int bitsPerPixel = 24);

} // namespace orvane
