#pragma once

#include "core/raster/Pixel.h"
#include "core/raster/PixelView.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// A raster image: 32-bit pixels, rows top-down, laid out like a 32-bit DIB so
// that a DIB section can share the memory on Windows.
//
// The pixels live in the bitmap's own vector, or in memory it does not own
// (UseMemory: a DIB section's bits), which it draws into in place. A copy
// always has pixels of its own; resizing gives the bitmap its own pixels
// again.
//
// `BitsPerPixel` records the format the image came in or was converted to
// (1, 4, 8, 16, 24 or 32); the pixels are always 32-bit. `Transparent` and
// `TransparentColor` say which colour masked drawing leaves out.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int initialWidth, int initialHeight, Pixel fill = 0);
    Bitmap(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(const Bitmap& other);
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    int Width() const { return width; }
    int Height() const { return height; }
    bool Empty() const { return width <= 0 || height <= 0; }

    // Resizes to width x height in pixels of the bitmap's own; the content is
    // lost and every pixel set to fill. Throws std::length_error when the size
    // has more pixels than memory can address, std::bad_alloc when there is
    // no memory for them.
    void SetSize(int newWidth, int newHeight, Pixel fill = 0);
    // Takes a vector of width x height pixels, rows top-down, as the
    // bitmap's own pixels. A vector of another length leaves the bitmap empty.
    void AdoptPixels(std::vector<Pixel> newPixels, int newWidth, int newHeight);
    // Draws in memory the bitmap does not own. Its owner keeps it alive until
    // the bitmap is resized, given other pixels or destroyed.
    void UseMemory(const PixelView& memory);
    bool OwnsPixels() const { return data == nullptr || data == owned.data(); }

    // The number of pixels of a width x height image (0 for a side of 0 or
    // less), or nothing when it is more than one pixel vector can hold. The
    // product is formed in 64 bits: in the 32-bit program a size_t product of
    // two sides wraps, and a buffer sized by the wrapped count would be too
    // small for the rows written into it.
    static std::optional<std::size_t> PixelCount(int width, int height);

    // The pixels as the drawing primitives write them.
    PixelView View() { return PixelView{data, width, height, stride}; }
    // Every row; with a stride wider than the image, the padding between
    // rows too.
    std::span<Pixel> Pixels() { return {data, SpanLength()}; }
    std::span<const Pixel> Pixels() const { return {data, SpanLength()}; }
    int Stride() const { return stride; }

    Pixel& At(int x, int y) { return Row(y)[x]; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // The colour of a pixel without its X byte, as 0x00BBGGRR.
    Color ColorAt(int x, int y) const { return ColorFromPixel(At(x, y)); }
    void SetColorAt(int x, int y, Color color) { At(x, y) = PixelFromColor(color); }

    Pixel* Row(int y) { return data + std::ptrdiff_t(y) * std::ptrdiff_t(stride); }
    const Pixel* Row(int y) const { return data + std::ptrdiff_t(y) * std::ptrdiff_t(stride); }

    int BitsPerPixel = 32;
    bool Transparent = false;
    Color TransparentColor = 0;

private:
    std::size_t SpanLength() const;
    void CopyPixelsFrom(const Bitmap& other);

    int width = 0;
    int height = 0;
    int stride = 0;
    Pixel* data = nullptr;
    std::vector<Pixel> owned;
};

bool operator==(const Bitmap& a, const Bitmap& b);

} // namespace orvane
