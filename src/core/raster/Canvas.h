#pragma once

#include "core/raster/Bitmap.h"
#include "core/raster/Rect.h"

namespace orvane {

// A drawing target: the bitmap that the primitives draw into, and a clip
// rectangle. Every operation clips to both, so callers may pass rectangles
// that reach outside them, as they may with a device context.
class Canvas {
public:
    explicit Canvas(Bitmap& bitmap) : target(bitmap) {}

    Bitmap& Target() { return target; }
    const Bitmap& Target() const { return target; }
    int Width() const { return target.Width(); }
    int Height() const { return target.Height(); }
    // The area that drawing may change: the clip rectangle within the bitmap.
    Rect Bounds() const { return Intersect(clip, Rect{0, 0, target.Width(), target.Height()}); }
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

    Bitmap& target;
    Rect clip{-Unbounded, -Unbounded, Unbounded, Unbounded};
};

} // namespace orvane
