#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvane::art {
namespace {

constexpr int Samples = 4; // per axis, so 16 samples a pixel

int Channel(Color color, int shift) { return int((color >> shift) & 0xFFu); }

bool InsideRoundRect(double x, double y, double left, double top, double right, double bottom, double radius)
{
    if (x < left || x > right || y < top || y > bottom)
        return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

// Share of the pixel (x, y) for which `inside` holds.
template <typename Inside>
double Coverage(int x, int y, Inside inside)
{
    int hits = 0;
    for (int sy = 0; sy < Samples; ++sy)
        for (int sx = 0; sx < Samples; ++sx)
            if (inside(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples))
                ++hits;
    return double(hits) / (Samples * Samples);
}

void Cover(Canvas& canvas, int x, int y, double coverage, Color color, std::optional<Color> backdrop)
{
    if (coverage <= 0 || !canvas.Target().Contains(x, y))
        return;
    if (coverage >= 1) {
        canvas.SetPixel(x, y, color);
        return;
    }
    if (!backdrop) {
        if (coverage >= 0.5)
            canvas.SetPixel(x, y, color);
        return;
    }
    canvas.SetPixel(x, y, Mix(*backdrop, color, coverage));
}

Color Behind(const Canvas& canvas, int x, int y, const std::optional<KeyedBackdrop>& keyed)
{
    const Color here = canvas.Target().ColorAt(x, y);
    return keyed && here == keyed->key ? keyed->behind : here;
}

} // namespace

Color Mix(Color a, Color b, double amountOfB)
{
    Color result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double value = Channel(a, shift) * (1 - amountOfB) + Channel(b, shift) * amountOfB;
        result |= Color(std::clamp(int(std::lround(value)), 0, 255)) << shift;
    }
    return result;
}

Color Lighter(Color color, double amount) { return Mix(color, 0xFFFFFF, amount); }
Color Darker(Color color, double amount) { return Mix(color, 0x000000, amount); }

Paint Solid(Color color)
{
    return [color](int, int) { return color; };
}

Paint Vertical(Color top, Color bottom, int from, int to)
{
    return [=](int, int y) { return Mix(top, bottom, to == from ? 0.0 : std::clamp(double(y - from) / (to - from), 0.0, 1.0)); };
}

Paint Horizontal(Color left, Color right, int from, int to)
{
    return [=](int x, int) { return Mix(left, right, to == from ? 0.0 : std::clamp(double(x - from) / (to - from), 0.0, 1.0)); };
}

void FillRoundRect(Canvas& canvas, double left, double top, double right, double bottom, double radius,
                   const Paint& paint, const Backdrop& backdrop)
{
    for (int y = int(std::floor(top)); y < int(std::ceil(bottom)); ++y)
        for (int x = int(std::floor(left)); x < int(std::ceil(right)); ++x) {
            const double coverage = Coverage(x, y, [&](double px, double py) {
                return InsideRoundRect(px, py, left, top, right, bottom, radius);
            });
            Cover(canvas, x, y, coverage, paint(x, y), backdrop ? std::optional<Color>((*backdrop)(x, y)) : std::nullopt);
        }
}

void OutlinedRoundRect(Canvas& canvas, const Rect& rect, double radius, Color outline, const Paint& fill,
                       const Backdrop& backdrop)
{
    FillRoundRect(canvas, rect.left, rect.top, rect.right, rect.bottom, radius, Solid(outline), backdrop);
    // The inner shape blends with the outline it lies on.
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y)
        for (int x = rect.left + 1; x < rect.right - 1; ++x) {
            const double coverage = Coverage(x, y, [&](double px, double py) {
                return InsideRoundRect(px, py, rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1,
                                       std::max(radius - 1, 0.0));
            });
            Cover(canvas, x, y, coverage, fill(x, y), outline);
        }
}

void Line(Canvas& canvas, double x0, double y0, double x1, double y1, double thickness, Color color,
          std::optional<KeyedBackdrop> keyed)
{
    const double dx = x1 - x0, dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    const double half = thickness / 2;
    auto inside = [&](double px, double py) {
        const double t = lengthSquared == 0 ? 0 : std::clamp(((px - x0) * dx + (py - y0) * dy) / lengthSquared, 0.0, 1.0);
        const double ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
        return ex * ex + ey * ey <= half * half;
    };
    const int minX = int(std::floor(std::min(x0, x1) - half)), maxX = int(std::ceil(std::max(x0, x1) + half));
    const int minY = int(std::floor(std::min(y0, y1) - half)), maxY = int(std::ceil(std::max(y0, y1) + half));
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x)
            if (canvas.Target().Contains(x, y))
                Cover(canvas, x, y, Coverage(x, y, inside), color, Behind(canvas, x, y, keyed));
}

void Polygon(Canvas& canvas, const std::vector<std::pair<double, double>>& points, const Paint& paint,
             std::optional<KeyedBackdrop> keyed)
{
    auto inside = [&](double px, double py) {
        bool in = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
                in = !in;
        }
        return in;
    };
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const auto& [x, y] : points) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    for (int y = int(std::floor(minY)); y <= int(std::ceil(maxY)); ++y)
        for (int x = int(std::floor(minX)); x <= int(std::ceil(maxX)); ++x)
            if (canvas.Target().Contains(x, y))
                Cover(canvas, x, y, Coverage(x, y, inside), paint(x, y), Behind(canvas, x, y, keyed));
}

Bitmap Blank(int width, int height, Color color) { return Bitmap(width, height, PixelFromColor(color)); }

Bitmap MakeStrip(int frameWidth, int frameHeight, int frames, Color fill,
                 const std::function<void(Canvas&, int)>& drawFrame)
{
    Bitmap strip = Blank(frameWidth * frames, frameHeight, fill);
    for (int i = 0; i < frames; ++i) {
        Bitmap frame = Blank(frameWidth, frameHeight, fill);
        Canvas canvas(frame);
        drawFrame(canvas, i + 1);
        for (int y = 0; y < frameHeight; ++y)
            for (int x = 0; x < frameWidth; ++x)
                strip.At(i * frameWidth + x, y) = frame.At(x, y);
    }
    return strip;
}

void RoundCorner(Canvas& canvas, Corner corner, int radius, Color outline, Color key)
{
    const int width = canvas.Width();
    // The circle's centre, in image coordinates.
    const double cx = corner == Corner::TopLeft ? radius : width - radius;
    const double cy = radius;
    auto within = [&](double r) {
        return [=](double px, double py) {
            const bool towardsCorner = corner == Corner::TopLeft ? px < cx : px > cx;
            if (!towardsCorner || py > cy)
                return true;
            return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
        };
    };
    const int from = corner == Corner::TopLeft ? 0 : width - radius;
    for (int y = 0; y < radius; ++y)
        for (int x = from; x < from + radius; ++x) {
            const double outer = Coverage(x, y, within(radius));
            const double inner = Coverage(x, y, within(radius - 1));
            if (outer < 0.5) {
                canvas.SetPixel(x, y, key);
                continue;
            }
            canvas.SetPixel(x, y, Mix(outline, canvas.Target().ColorAt(x, y), inner / outer));
        }
}

} // namespace orvane::art
