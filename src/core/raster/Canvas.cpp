#include "core/raster/Canvas.h"

namespace orvane {

void Canvas::SetPixel(int x, int y, Color color)
{
    const Rect bounds = Bounds();
    if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom)
        target.SetColorAt(x, y, color);
}

void Canvas::FillRect(const Rect& rect, Color color)
{
    const Rect clipped = Intersect(rect, Bounds());
    if (clipped.Empty())
        return;
    const Pixel pixel = PixelFromColor(color);
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        Pixel* row = target.Row(y);
        for (int x = clipped.left; x < clipped.right; ++x)
            row[x] = pixel;
    }
}

void Canvas::FrameRect(const Rect& rect, Color color)
{
    if (rect.Empty())
        return;
    HorzLine(rect.left, rect.top, rect.Width(), color);
    HorzLine(rect.left, rect.bottom - 1, rect.Width(), color);
    VertLine(rect.left, rect.top, rect.Height(), color);
    VertLine(rect.right - 1, rect.top, rect.Height(), color);
}

void Canvas::HorzLine(int x, int y, int length, Color color)
{
    FillRect(RectOfSize(x, y, length, 1), color);
}

void Canvas::VertLine(int x, int y, int length, Color color)
{
    FillRect(RectOfSize(x, y, 1, length), color);
}

} // namespace orvane
