#pragma once

#include "core/raster/Canvas.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace orvane::art {

// Drawing helpers for skin images. Skin images are keyed by one transparent
// colour, so an anti-aliased edge cannot blend with "nothing": every shape
// says what its edge pixels blend with (the colour the image will be drawn
// over), or, for edges that a window region cuts, that they stay hard.

// The colour of a pixel of a shape, given the pixel's position.
using Paint = std::function<Color(int x, int y)>;

Paint Solid(Color color);
// Vertical gradient from `top` at row `from` to `bottom` at row `to`.
Paint Vertical(Color top, Color bottom, int from, int to);
// Horizontal gradient from `left` at column `from` to `right` at column `to`.
Paint Horizontal(Color left, Color right, int from, int to);

Color Mix(Color a, Color b, double amountOfB);
Color Lighter(Color color, double amount);
Color Darker(Color color, double amount);

// What the edge pixels of a shape blend with: the colour behind the image at
// that pixel. No backdrop: edge pixels are drawn when at least half inside.
using Backdrop = std::optional<Paint>;

// A rectangle with rounded corners.
void FillRoundRect(Canvas& canvas, double left, double top, double right, double bottom, double radius,
                   const Paint& paint, const Backdrop& backdrop);

// A rounded rectangle with a one-pixel outline: the outline colour on the
// outer shape, the fill on the shape one pixel inside.
void OutlinedRoundRect(Canvas& canvas, const Rect& rect, double radius, Color outline, const Paint& fill,
                       const Backdrop& backdrop);

// Strokes and polygons blend with what the canvas holds, except where it
// holds the transparent key colour: there they blend with `behind`.
struct KeyedBackdrop {
    Color key;
    Color behind;
};

// A line of the given thickness from (x0, y0) to (x1, y1).
void Line(Canvas& canvas, double x0, double y0, double x1, double y1, double thickness, Color color,
          std::optional<KeyedBackdrop> keyed = std::nullopt);

// A filled polygon.
void Polygon(Canvas& canvas, const std::vector<std::pair<double, double>>& points, const Paint& paint,
             std::optional<KeyedBackdrop> keyed = std::nullopt);
inline void Polygon(Canvas& canvas, const std::vector<std::pair<double, double>>& points, Color color,
                    std::optional<KeyedBackdrop> keyed = std::nullopt)
{
    Polygon(canvas, points, Solid(color), keyed);
}

// Rounds a top corner of a title image: pixels outside an arc of the given
// radius take the key colour with hard edges (a window region cuts them), a
// one-pixel ring along the arc takes the outline colour, blended inwards.
enum class Corner { TopLeft, TopRight };
void RoundCorner(Canvas& canvas, Corner corner, int radius, Color outline, Color key);

// A bitmap of one colour.
Bitmap Blank(int width, int height, Color color);

// A strip of equal frames side by side, each drawn by `drawFrame` (frame
// numbers from 1) on its own canvas filled with `fill`.
Bitmap MakeStrip(int frameWidth, int frameHeight, int frames, Color fill,
                 const std::function<void(Canvas&, int)>& drawFrame);

} // namespace orvane::art
