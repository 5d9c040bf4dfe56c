#pragma once

#include "core/raster/Pixel.h"

#include <cstddef>

namespace orvane {

// Pixels in memory that the view does not own: `height` rows of `width`
// pixels, top row first, each row starting `stride` pixels after the one
// above it (a stride wider than the image leaves padding between rows).
// The drawing primitives write through a view, so they draw into a bitmap's
// own vector and into a DIB section's memory alike.
struct PixelView {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Pixel* Row(int y) const { return pixels + std::ptrdiff_t(y) * std::ptrdiff_t(stride); }
    Pixel& At(int x, int y) const { return Row(y)[x]; }
    // The colour of a pixel without its X byte, as 0x00BBGGRR.
    Color ColorAt(int x, int y) const { return ColorFromPixel(At(x, y)); }
    void SetColorAt(int x, int y, Color color) const { At(x, y) = PixelFromColor(color); }
};

} // namespace orvane
