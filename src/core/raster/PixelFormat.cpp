#include "core/raster/PixelFormat.h"

namespace orvane {

namespace {
constexpr Pixel ColorBytesMask = 0x00FFFFFFu;
}

void ConvertTo24Bits(Bitmap& bitmap)
{
    bitmap.BitsPerPixel = 24;
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x)
            row[x] &= ColorBytesMask;
    }
}

} // namespace orvane
