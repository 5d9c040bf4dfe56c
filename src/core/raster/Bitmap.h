#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

// A colour as the program stores it: 0x00BBGGRR (white 0xFFFFFF, red 0x0000FF).
using Color = std::uint32_t;

// A pixel as a 32-bit Windows DIB stores it: bytes B, G, R, X in memory, so
// 0xXXRRGGBB as a little-endian word. The X byte is kept as read.
using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(Color color)
{
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

constexpr Color ColorFromPixel(Pixel pixel)
{
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

// A raster image: 32-bit pixels, rows top-down, laid out like a 32-bit DIB so
// that a DIB section can share the memory on Windows.
//
// `BitsPerPixel` records the format the image came in or was converted to
// (1, 4, 8, 16, 24 or 32); the pixels are always 32-bit. `Transparent` and
// `TransparentColor` say which colour masked drawing leaves out.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int initialWidth, int initialHeight, Pixel fill = 0);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Empty() const { return width <= 0 || height <= 0; }

    // Resizes to width x height; the content is lost and every pixel set to
    // fill. Throws std::length_error when the size has more pixels than memory
    // can address, std::bad_alloc when there is no memory for them.
    void SetSize(int newWidth, int newHeight, Pixel fill = 0);

    // The number of pixels of a width x height image (0 for a side of 0 or
    // less), or nothing when it is more than one pixel vector can hold. The
    // product is formed in 64 bits: in the 32-bit program a size_t product of
    // two sides wraps, and a buffer sized by the wrapped count would be too
    // small for the rows written into it.
    static std::optional<std::size_t> PixelCount(int width, int height);

    Pixel& At(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Pixel At(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // The colour of a pixel without its X byte, as 0x00BBGGRR.
    Color ColorAt(int x, int y) const { return ColorFromPixel(At(x, y)); }
    void SetColorAt(int x, int y, Color color) { At(x, y) = PixelFromColor(color); }

    Pixel* Row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
    const Pixel* Row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width); }
    std::vector<Pixel>& Pixels() { return pixels; }
    const std::vector<Pixel>& Pixels() const { return pixels; }

    int BitsPerPixel = 32;
    bool Transparent = false;
    Color TransparentColor = 0;

private:
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
};

bool operator==(const Bitmap& a, const Bitmap& b);

} // namespace orvane
