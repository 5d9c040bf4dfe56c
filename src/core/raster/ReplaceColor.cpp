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
    for (Pixel& pixel : bitmap.Pixels())
        if (pixel == oldPixel)
            pixel = newPixel;
}

} // namespace orvane
