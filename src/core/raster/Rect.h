#pragma once

namespace orvane {

// A rectangle as Windows gives it: left and top inside, right and bottom just
// outside. A rectangle whose right is not above its left (or bottom not below
// its top) is empty.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Empty() const { return right <= left || bottom <= top; }
    constexpr bool operator==(const Rect&) const = default;
};

constexpr Rect RectOfSize(int left, int top, int width, int height)
{
    return Rect{left, top, left + width, top + height};
}

constexpr Rect Intersect(const Rect& a, const Rect& b)
{
    Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.Empty())
        return Rect{};
    return r;
}

// Inclusive test against all four edges, as the frame's hit rectangles use it.
constexpr bool PointInRect(int x, int y, const Rect& r)
{
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

} // namespace orvane
