#include "skinview/GalleryGlyphs.h"

#include "core/raster/Canvas.h"

#include <cstdlib>

namespace orvane::skinview {

namespace {

constexpr Color Ground = 0xFF00FF;

Color Grey(COLORREF colour)
{
    const unsigned light = (GetRValue(colour) * 30 + GetGValue(colour) * 59 + GetBValue(colour) * 11) / 100;
    const unsigned grey = 0x80 + light / 3;
    return grey | (grey << 8) | (grey << 16);
}

bool Inside(GlyphShape shape, int x, int y, int side)
{
    const int inset = side / 8;
    const int low = inset, high = side - 1 - inset;
    if (x < low || x > high || y < low || y > high)
        return false;
    const int centre2 = side - 1; // twice the centre
    switch (shape) {
    case GlyphShape::Square:
        return true;
    case GlyphShape::Circle: {
        const int dx = 2 * x - centre2, dy = 2 * y - centre2, radius2 = high - low + 1;
        return dx * dx + dy * dy <= radius2 * radius2;
    }
    case GlyphShape::Triangle:
        // Pointing right: the column allows rows within its distance from the left.
        return 2 * std::abs(2 * y - centre2) <= 2 * (high - x) + 1;
    case GlyphShape::Cross: {
        const int width = side / 5;
        return std::abs(x - y) <= width / 2 + 1 || std::abs(x + y - (side - 1)) <= width / 2 + 1;
    }
    }
    return false;
}

} // namespace

void DrawGalleryGlyph(framework::TBitmap& glyph, GlyphShape shape, COLORREF colour, int frames, int side)
{
    glyph.SetSize(side * frames, side);
    Canvas canvas(glyph.CoreBitmap());
    canvas.FillRect(Rect{0, 0, side * frames, side}, Ground);
    for (int frame = 0; frame < frames; ++frame) {
        const Color fill = frame == 1 ? Grey(colour) : Color(colour);
        const int shift = frame >= 2 ? 1 : 0;
        for (int y = 0; y + shift < side; ++y)
            for (int x = 0; x < side; ++x)
                if (Inside(shape, x, y, side))
                    canvas.SetPixel(frame * side + x, y + shift, fill);
    }
}

} // namespace orvane::skinview
