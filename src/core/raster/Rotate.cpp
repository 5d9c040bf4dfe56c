#include "core/raster/Rotate.h"

#include <algorithm>

namespace orvane {
namespace {

// Builds the turned picture in a fresh pixel buffer and keeps the bitmap's
// format and transparency settings.
template <typename Place>
void Turn(Bitmap& bitmap, int newWidth, int newHeight, Place place)
{
    Bitmap turned(newWidth, newHeight);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const auto [nx, ny] = place(x, y);
            turned.At(nx, ny) = bitmap.At(x, y);
        }
    turned.BitsPerPixel = bitmap.BitsPerPixel;
    turned.Transparent = bitmap.Transparent;
    turned.TransparentColor = bitmap.TransparentColor;
    bitmap = std::move(turned);
}

struct Point {
    int x;
    int y;
};

} // namespace

void RotateCCW90(Bitmap& bitmap)
{
    const int w = bitmap.Width();
    Turn(bitmap, bitmap.Height(), w, [w](int x, int y) { return Point{y, w - 1 - x}; });
}

void Rotate180(Bitmap& bitmap)
{
    // Row by row, so that the padding of a bitmap in a DIB section stays put.
    const int h = bitmap.Height();
    const int w = bitmap.Width();
    for (int y = 0; y < (h + 1) / 2; ++y) {
        Pixel* upper = bitmap.Row(y);
        Pixel* lower = bitmap.Row(h - 1 - y);
        if (upper == lower) {
            std::reverse(upper, upper + w);
            continue;
        }
        std::swap_ranges(upper, upper + w, lower);
        std::reverse(upper, upper + w);
        std::reverse(lower, lower + w);
    }
}

void RotateCW90(Bitmap& bitmap)
{
    const int h = bitmap.Height();
    Turn(bitmap, h, bitmap.Width(), [h](int x, int y) { return Point{h - 1 - y, x}; });
}

} // namespace orvane
