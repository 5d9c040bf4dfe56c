#include "core/raster/PixelFormat.h"

namespace orvane {

namespace {
constexpr Pixel ColorBytesMask = 0x00FFFFFFu;
}

void ConvertTo24Bits(Bitmap& bitmap)
{
    bitmap.BitsPerPixel = 24;
    for (Pixel& pixel : bitmap.Pixels())
        pixel &= ColorBytesMask;
}

} // namespace orvane
