#include "skin/painters/SkinPainting.h"

#include "core/raster/BitmapCopy.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

Bitmap SkinFrame(const TSkinLook& look, int imageIndex, int count, int frame)
{
    Bitmap cut;
    if (!look.GetSkinBitmap(imageIndex, cut, count, frame))
        return Bitmap();
    return cut;
}

Color GlyphTransparentColor(const Bitmap& glyph)
{
    return glyph.Empty() ? NoTransparentColor : glyph.ColorAt(0, glyph.Height() - 1);
}

void DrawGreyedBitmap(Canvas& canvas, int x, int y, const Bitmap& bitmap, Color transparent)
{
    for (int row = 0; row < bitmap.Height(); ++row)
        for (int column = 0; column < bitmap.Width(); ++column) {
            const Color color = bitmap.ColorAt(column, row);
            if (color == transparent)
                continue;
            const unsigned red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
            const unsigned light = (red * 30 + green * 59 + blue * 11) / 100;
            const unsigned grey = 0x80 + light / 2; // 0x80 .. 0xFF: no darker than grey text
            canvas.SetPixel(x + column, y + row, grey | (grey << 8) | (grey << 16));
        }
}

} // namespace orvane::skin
