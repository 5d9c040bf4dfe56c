#include "core/raster/Gradient.h"

namespace orvane {
namespace {

int Channel(Color color, int shift) { return int((color >> shift) & 0xFFu); }

// The colour `step` steps of `length` from `from` towards `to`, each channel
// truncated toward zero as a floating-point quotient is.
Color Blend(Color from, Color to, int length, int step)
{
    Color result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = Channel(from, shift);
        const int b = Channel(to, shift);
        const int value = a + int(double(b - a) / double(length) * double(step));
        result |= Color(value & 0xFF) << shift;
    }
    return result;
}

} // namespace

void FillGradientV(Canvas& canvas, const Rect& rect, Color topColor, Color bottomColor)
{
    if (rect.Empty())
        return;
    const int length = rect.Height();
    canvas.FillRect(Rect{rect.left, rect.top, rect.right, rect.top + 1}, topColor);
    for (int y = rect.top + 1; y <= rect.bottom - 2; ++y)
        canvas.FillRect(Rect{rect.left, y, rect.right, y + 1}, Blend(topColor, bottomColor, length, y - rect.top - 1));
    canvas.FillRect(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomColor);
}

void FillGradientH(Canvas& canvas, const Rect& rect, Color leftColor, Color rightColor)
{
    if (rect.Empty())
        return;
    const int length = rect.Width();
    canvas.FillRect(Rect{rect.left, rect.top, rect.left + 1, rect.bottom}, leftColor);
    for (int x = rect.left + 1; x <= rect.right - 2; ++x)
        canvas.FillRect(Rect{x, rect.top, x + 1, rect.bottom}, Blend(leftColor, rightColor, length, x - rect.left));
    canvas.FillRect(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, rightColor);
}

} // namespace orvane
