#include "core/raster/NineSlice.h"

#include "core/raster/BitmapCopy.h"

#include <algorithm>

namespace orvane {
namespace {

enum class Side { Near, Far };

// The part of a corner's source rectangle that fits into the room it gets,
// taken from its outer side: from the left and top for near sides, from the
// right and bottom for far ones.
Rect CutCorner(const Rect& source, int roomWidth, int roomHeight, Side horizontal, Side vertical)
{
    const int width = std::max(0, std::min(source.Width(), roomWidth));
    const int height = std::max(0, std::min(source.Height(), roomHeight));
    const int left = horizontal == Side::Near ? source.left : source.right - width;
    const int top = vertical == Side::Near ? source.top : source.bottom - height;
    return RectOfSize(left, top, width, height);
}

} // namespace

void DrawNineSlice(const Bitmap& bitmap, Canvas& canvas, const Rect& rect, Color transparent, CornerDrawing corners)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    const int W = rect.Width(), H = rect.Height();
    if (H <= 0 || W <= 0 || bitmap.Empty())
        return;
    const int hw = w / 2, hh = h / 2, HW = W / 2, HH = H / 2;
    const int x0 = rect.left, y0 = rect.top;
    const Color cornerMask = corners == CornerDrawing::Transparent ? transparent : NoTransparentColor;

    auto drawCorner = [&](const Rect& source, int x, int y) {
        if (!source.Empty())
            CopyRectMasked(canvas, x0 + x, y0 + y, bitmap, source, cornerMask);
    };
    // Destination rectangles are relative to the rectangle's origin.
    auto stretch = [&](const Rect& source, const Rect& destination) {
        if (source.Empty() || destination.Empty())
            return;
        StretchRectMasked(canvas,
                          Rect{x0 + destination.left, y0 + destination.top, x0 + destination.right,
                               y0 + destination.bottom},
                          bitmap, source, transparent);
    };

    const Rect topLeft = CutCorner(Rect{0, 0, hw, hh}, HW, HH, Side::Near, Side::Near);
    const Rect topLeftAt = RectOfSize(0, 0, topLeft.Width(), topLeft.Height());
    drawCorner(topLeft, 0, 0);

    const Rect bottomLeft = CutCorner(Rect{0, h - hh + 1, hw, h}, HW, HH - 1, Side::Near, Side::Far);
    const Rect bottomLeftAt = RectOfSize(0, H - bottomLeft.Height(), bottomLeft.Width(), bottomLeft.Height());
    drawCorner(bottomLeft, bottomLeftAt.left, bottomLeftAt.top);

    stretch(Rect{0, hh, hw, h - hh}, Rect{0, topLeftAt.bottom, topLeftAt.right, bottomLeftAt.top});

    const Rect topRight = CutCorner(Rect{w - hw + 1, 0, w, hh}, HW - 1, HH, Side::Far, Side::Near);
    const Rect topRightAt = RectOfSize(W - topRight.Width(), 0, topRight.Width(), topRight.Height());
    drawCorner(topRight, topRightAt.left, topRightAt.top);

    const Rect bottomRight = CutCorner(Rect{w - hw + 1, h - hh + 1, w, h}, HW - 1, HH - 1, Side::Far, Side::Far);
    const Rect bottomRightAt =
        RectOfSize(W - bottomRight.Width(), H - bottomRight.Height(), bottomRight.Width(), bottomRight.Height());
    drawCorner(bottomRight, bottomRightAt.left, bottomRightAt.top);

    stretch(Rect{w - hw + 1, hh, w, hh + 1}, Rect{topRightAt.left, topRightAt.bottom, topRightAt.right, bottomRightAt.top});
    stretch(Rect{hw, 0, w - hw + 1, hh}, Rect{topLeftAt.right, 0, topRightAt.left, topLeftAt.bottom});
    stretch(Rect{hw, hh, w - hw + 1, h - hh},
            Rect{topLeftAt.right, topLeftAt.bottom, topRightAt.left, bottomLeftAt.top - 1});
    stretch(Rect{hw, h - hh, w - hw + 1, h},
            Rect{topLeftAt.right - 1, bottomLeftAt.top - 1, bottomRightAt.left, bottomRightAt.bottom});
}

} // namespace orvane
