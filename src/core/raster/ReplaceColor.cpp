#include "core/raster/ReplaceColor.h"

#include "core/raster/PixelFormat.h"

namespace orvane {

void ReplaceColor(Bitmap& bitmap, Color oldColor, Color newColor)
{
    ConvertTo24Bits(bitmap);
    const Pixel oldPixel = PixelFromColor(oldColor);
    const Pixel newPixel = PixelFromColor(newColor);
    // A colour with bits above the 24 colour bits (the missing colour -1, a
    // system-colour code) is no pixel's colour.
    if ((oldColor & 0xFF000000u) != 0)
        return;
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x)
            if (row[x] == oldPixel)
                row[x] = newPixel;
    }
}

} // namespace orvane
