#pragma once

#include "core/raster/Bitmap.h"
#include "core/raster/PixelView.h"
#include "core/raster/Rect.h"

namespace orvane {

// A drawing target: the pixels that the primitives draw into (a bitmap's, or
// any memory seen through a view, such as a DIB section's), and a clip
// rectangle. Every operation clips to both, so callers may pass rectangles
// that reach outside them, as they may with a device context. The canvas
// keeps the bitmap's pixels as they are when it is made: resizing the bitmap
// afterwards needs a new canvas.
class Canvas {
public:
    explicit Canvas(Bitmap& bitmap) : target(bitmap.View()) {}
    explicit Canvas(const PixelView& pixels) : target(pixels) {}

    const PixelView& Target() const { return target; }
    int Width() const { return target.width; }
    int Height() const { return target.height; }
    // The area that drawing may change: the clip rectangle within the pixels.
    Rect Bounds() const { return Intersect(clip, Rect{0, 0, target.width, target.height}); }
    Rect Clip() const { return clip; }
    void SetClip(const Rect& rect) { clip = rect; }

    void SetPixel(int x, int y, Color color);
    void FillRect(const Rect& rect, Color color);
    // A one-pixel outline along the inside of the rectangle.
    void FrameRect(const Rect& rect, Color color);
    // Lines from (x, y) of the given length, to the right and downwards.
    void HorzLine(int x, int y, int length, Color color);
    void VertLine(int x, int y, int length, Color color);

private:
    static constexpr int Unbounded = 1 << 30;

    PixelView target;
    Rect clip{-Unbounded, -Unbounded, Unbounded, Unbounded};
};

} // namespace orvane
