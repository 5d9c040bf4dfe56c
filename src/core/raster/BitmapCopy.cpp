#include "core/raster/BitmapCopy.h"

#include <cstdint>

namespace orvane {
namespace {

void Stretch(Canvas& canvas, const Rect& destination, const Bitmap& source, const Rect& sourceRect,
             Color transparent)
{
    if (destination.Empty() || sourceRect.Empty() || source.Empty())
        return;
    const Rect clipped = Intersect(destination, canvas.Bounds());
    if (clipped.Empty())
        return;
    const std::int64_t dw = destination.Width(), dh = destination.Height();
    const std::int64_t sw = sourceRect.Width(), sh = sourceRect.Height();
    const PixelView& target = canvas.Target();
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        const int sy = sourceRect.top + int(((2 * std::int64_t(y - destination.top) + 1) * sh) / (2 * dh));
        if (sy < 0 || sy >= source.Height())
            continue;
        const Pixel* sourceRow = source.Row(sy);
        Pixel* targetRow = target.Row(y);
        for (int x = clipped.left; x < clipped.right; ++x) {
            const int sx = sourceRect.left + int(((2 * std::int64_t(x - destination.left) + 1) * sw) / (2 * dw));
            if (sx < 0 || sx >= source.Width())
                continue;
            const Pixel pixel = sourceRow[sx];
            if (ColorFromPixel(pixel) == transparent)
                continue;
            targetRow[x] = pixel;
        }
    }
}

} // namespace

void CopyRect(Canvas& canvas, int x, int y, const Bitmap& source, const Rect& sourceRect)
{
    Stretch(canvas, RectOfSize(x, y, sourceRect.Width(), sourceRect.Height()), source, sourceRect,
            NoTransparentColor);
}

void CopyRectMasked(Canvas& canvas, int x, int y, const Bitmap& source, const Rect& sourceRect, Color transparent)
{
    Stretch(canvas, RectOfSize(x, y, sourceRect.Width(), sourceRect.Height()), source, sourceRect, transparent);
}

void StretchRect(Canvas& canvas, const Rect& destination, const Bitmap& source, const Rect& sourceRect)
{
    Stretch(canvas, destination, source, sourceRect, NoTransparentColor);
}

void StretchRectMasked(Canvas& canvas, const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                       Color transparent)
{
    Stretch(canvas, destination, source, sourceRect, transparent);
}

void DrawBitmap(Canvas& canvas, int x, int y, const Bitmap& bitmap)
{
    StretchDrawBitmap(canvas, RectOfSize(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void StretchDrawBitmap(Canvas& canvas, const Rect& destination, const Bitmap& bitmap)
{
    Stretch(canvas, destination, bitmap, Rect{0, 0, bitmap.Width(), bitmap.Height()},
            bitmap.Transparent ? bitmap.TransparentColor : NoTransparentColor);
}

} // namespace orvane
