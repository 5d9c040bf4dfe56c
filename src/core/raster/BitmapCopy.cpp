#include "core/raster/BitmapCopy.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvane {
namespace {

// The source position of destination position `at` when `length` source
// pixels spread over `span` destination pixels: the source pixel under the
// destination pixel's centre.
int SourcePosition(int at, std::int64_t length, std::int64_t span)
{
    return int(((2 * std::int64_t(at) + 1) * length) / (2 * span));
}

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

    // The source column of every destination column, worked out once for
    // all rows; at the same width it is a plain offset.
    std::vector<int> columns(std::size_t(clipped.Width()));
    bool columnsInside = true;
    for (int x = clipped.left; x < clipped.right; ++x) {
        const int sx = sourceRect.left + (sw == dw ? x - destination.left : SourcePosition(x - destination.left, sw, dw));
        columns[std::size_t(x - clipped.left)] = sx;
        columnsInside = columnsInside && sx >= 0 && sx < source.Width();
    }
    // An opaque copy at the same width whose columns all lie in the source
    // copies whole row pieces.
    const bool rowCopies = sw == dw && transparent == NoTransparentColor && columnsInside;

    for (int y = clipped.top; y < clipped.bottom; ++y) {
        const int sy = sourceRect.top + (sh == dh ? y - destination.top : SourcePosition(y - destination.top, sh, dh));
        if (sy < 0 || sy >= source.Height())
            continue;
        const Pixel* sourceRow = source.Row(sy);
        Pixel* targetRow = target.Row(y);
        if (rowCopies) {
            std::copy_n(sourceRow + columns.front(), columns.size(), targetRow + clipped.left);
            continue;
        }
        for (int x = clipped.left; x < clipped.right; ++x) {
            const int sx = columns[std::size_t(x - clipped.left)];
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
