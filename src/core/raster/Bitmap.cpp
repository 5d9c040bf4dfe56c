#include "core/raster/Bitmap.h"

namespace orvane {

Bitmap::Bitmap(int initialWidth, int initialHeight, Pixel fill) { SetSize(initialWidth, initialHeight, fill); }

void Bitmap::SetSize(int newWidth, int newHeight, Pixel fill)
{
    width = newWidth > 0 ? newWidth : 0;
    height = newHeight > 0 ? newHeight : 0;
    pixels.assign(std::size_t(width) * std::size_t(height), fill);
}

bool operator==(const Bitmap& a, const Bitmap& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

} // namespace orvane
