#include "core/raster/Bitmap.h"

#include <stdexcept>

namespace orvane {

Bitmap::Bitmap(int initialWidth, int initialHeight, Pixel fill) { SetSize(initialWidth, initialHeight, fill); }

void Bitmap::SetSize(int newWidth, int newHeight, Pixel fill)
{
    const auto count = PixelCount(newWidth, newHeight);
    if (!count)
        throw std::length_error("bitmap size beyond addressable memory");
    pixels.assign(*count, fill);
    width = newWidth > 0 ? newWidth : 0;
    height = newHeight > 0 ? newHeight : 0;
}

std::optional<std::size_t> Bitmap::PixelCount(int width, int height)
{
    if (width <= 0 || height <= 0)
        return 0;
    const std::uint64_t count = std::uint64_t(width) * std::uint64_t(height);
    if (count > std::vector<Pixel>().max_size())
        return std::nullopt;
    return static_cast<std::size_t>(count);
}

bool operator==(const Bitmap& a, const Bitmap& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

} // namespace orvane
