#include "core/raster/Bitmap.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace orvane {

Bitmap::Bitmap(int initialWidth, int initialHeight, Pixel fill) { SetSize(initialWidth, initialHeight, fill); }

Bitmap::Bitmap(const Bitmap& other)
    : BitsPerPixel(other.BitsPerPixel), Transparent(other.Transparent), TransparentColor(other.TransparentColor)
{
    CopyPixelsFrom(other);
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : BitsPerPixel(other.BitsPerPixel), Transparent(other.Transparent), TransparentColor(other.TransparentColor),
      width(std::exchange(other.width, 0)), height(std::exchange(other.height, 0)),
      stride(std::exchange(other.stride, 0)), data(std::exchange(other.data, nullptr)), owned(std::move(other.owned))
{
    // A moved vector keeps its buffer, so `data` stays valid either way.
    other.owned.clear();
}

Bitmap& Bitmap::operator=(const Bitmap& other)
{
    if (this == &other)
        return *this;
    BitsPerPixel = other.BitsPerPixel;
    Transparent = other.Transparent;
    TransparentColor = other.TransparentColor;
    CopyPixelsFrom(other);
    return *this;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    if (this == &other)
        return *this;
    BitsPerPixel = other.BitsPerPixel;
    Transparent = other.Transparent;
    TransparentColor = other.TransparentColor;
    width = std::exchange(other.width, 0);
    height = std::exchange(other.height, 0);
    stride = std::exchange(other.stride, 0);
    data = std::exchange(other.data, nullptr);
    owned = std::move(other.owned);
    other.owned.clear();
    return *this;
}

void Bitmap::CopyPixelsFrom(const Bitmap& other)
{
    std::vector<Pixel> copy(std::size_t(other.width) * std::size_t(other.height));
    for (int y = 0; y < other.height; ++y)
        std::copy_n(other.Row(y), other.width, copy.begin() + std::ptrdiff_t(y) * other.width);
    AdoptPixels(std::move(copy), other.width, other.height);
}

void Bitmap::SetSize(int newWidth, int newHeight, Pixel fill)
{
    const std::optional<std::size_t> count = PixelCount(newWidth, newHeight);
    if (!count)
        throw std::length_error("bitmap size beyond addressable memory");
    owned.assign(*count, fill);
    width = newWidth > 0 ? newWidth : 0;
    height = newHeight > 0 ? newHeight : 0;
    stride = width;
    data = owned.data();
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

void Bitmap::AdoptPixels(std::vector<Pixel> newPixels, int newWidth, int newHeight)
{
    const std::optional<std::size_t> count = PixelCount(newWidth, newHeight);
    if (newWidth <= 0 || newHeight <= 0 || !count || newPixels.size() != *count) {
        SetSize(0, 0);
        return;
    }
    owned = std::move(newPixels);
    width = newWidth;
    height = newHeight;
    stride = newWidth;
    data = owned.data();
}

void Bitmap::UseMemory(const PixelView& memory)
{
    if (memory.pixels == nullptr || memory.Empty() || memory.stride < memory.width) {
        SetSize(0, 0);
        return;
    }
    owned = std::vector<Pixel>();
    width = memory.width;
    height = memory.height;
    stride = memory.stride;
    data = memory.pixels;
}

std::size_t Bitmap::SpanLength() const
{
    if (Empty())
        return 0;
    return std::size_t(height - 1) * std::size_t(stride) + std::size_t(width);
}

bool operator==(const Bitmap& a, const Bitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        if (!std::equal(a.Row(y), a.Row(y) + a.Width(), b.Row(y)))
            return false;
    return true;
}

} // namespace orvane
