#include "ArtCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane::art {

namespace {

// Samples per pixel along each axis: 8 x 8 gives 64 coverage levels.
constexpr int Subsamples = 8;
constexpr double FullChannel = 255.0;

double Clamp01(double value) { return std::clamp(value, 0.0, 1.0); }

double DistanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = Clamp01(t);
    const double ex = a.x + t * dx - p.x;
    const double ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

Rgba Mix(Rgba a, Rgba b, double t)
{
    return Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

} // namespace

Rgba Hex(unsigned rgb, double alpha)
{
    return Rgba{double((rgb >> 16) & 0xFF) / FullChannel, double((rgb >> 8) & 0xFF) / FullChannel,
                double(rgb & 0xFF) / FullChannel, alpha};
}

ArtCanvas::ArtCanvas(int canvasWidth, int canvasHeight)
    : width(canvasWidth), height(canvasHeight), pixels(std::size_t(canvasWidth) * std::size_t(canvasHeight), Rgba{0, 0, 0, 0})
{
}

ArtCanvas::ArtCanvas(int canvasWidth, int canvasHeight, double drawingScale) : ArtCanvas(canvasWidth, canvasHeight)
{
    scale = drawingScale;
}

void ArtCanvas::Fill(const ShapeTest& shape, Rgba color)
{
    Fill(shape, [color](double, double) { return color; });
}

void ArtCanvas::Fill(const ShapeTest& shape, const Paint& paint)
{
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            int inside = 0;
            for (int sy = 0; sy < Subsamples; ++sy)
                for (int sx = 0; sx < Subsamples; ++sx)
                    if (shape((i + (sx + 0.5) / Subsamples) / scale, (j + (sy + 0.5) / Subsamples) / scale))
                        ++inside;
            if (inside == 0)
                continue;
            const double coverage = double(inside) / (Subsamples * Subsamples);
            const Rgba color = paint((i + 0.5) / scale, (j + 0.5) / scale);
            const double alpha = color.a * coverage;
            Rgba& target = pixels[std::size_t(j) * std::size_t(width) + std::size_t(i)];
            // Source over, premultiplied.
            target.r = color.r * alpha + target.r * (1 - alpha);
            target.g = color.g * alpha + target.g * (1 - alpha);
            target.b = color.b * alpha + target.b * (1 - alpha);
            target.a = alpha + target.a * (1 - alpha);
        }
}

Bitmap ArtCanvas::ToBitmap() const
{
    Bitmap bitmap(width, height);
    CopyInto(bitmap, 0, 0);
    return bitmap;
}

void ArtCanvas::CopyInto(Bitmap& target, int left, int top) const
{
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            if (!target.Contains(left + i, top + j))
                continue;
            const Rgba& p = pixels[std::size_t(j) * std::size_t(width) + std::size_t(i)];
            const auto channel = [&](double premultiplied) {
                const double straight = p.a > 0 ? premultiplied / p.a : 0.0;
                return std::uint32_t(std::lround(Clamp01(straight) * FullChannel));
            };
            const std::uint32_t alpha = std::uint32_t(std::lround(Clamp01(p.a) * FullChannel));
            target.At(left + i, top + j) = (alpha << 24) | (channel(p.r) << 16) | (channel(p.g) << 8) | channel(p.b);
        }
}

ShapeTest Disc(Point center, double radius)
{
    return [=](double x, double y) { return (x - center.x) * (x - center.x) + (y - center.y) * (y - center.y) <= radius * radius; };
}

ShapeTest Ring(Point center, double outerRadius, double innerRadius)
{
    return Minus(Disc(center, outerRadius), Disc(center, innerRadius));
}

ShapeTest RoundedRect(double left, double top, double right, double bottom, double radius)
{
    return [=](double x, double y) {
        if (x < left || x > right || y < top || y > bottom)
            return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

ShapeTest Stroke(std::vector<Point> points, double width)
{
    const double half = width / 2;
    return [points = std::move(points), half](double x, double y) {
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            if (DistanceToSegment(Point{x, y}, points[i], points[i + 1]) <= half)
                return true;
        return points.size() == 1 && DistanceToSegment(Point{x, y}, points[0], points[0]) <= half;
    };
}

ShapeTest Polygon(std::vector<Point> points)
{
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point& a = points[i];
            const Point& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    };
}

ShapeTest Union(std::vector<ShapeTest> shapes)
{
    return [shapes = std::move(shapes)](double x, double y) {
        for (const ShapeTest& shape : shapes)
            if (shape(x, y))
                return true;
        return false;
    };
}

ShapeTest Minus(ShapeTest shape, ShapeTest removed)
{
    return [shape = std::move(shape), removed = std::move(removed)](double x, double y) {
        return shape(x, y) && !removed(x, y);
    };
}

ShapeTest Shifted(ShapeTest shape, double dx, double dy)
{
    return [shape = std::move(shape), dx, dy](double x, double y) { return shape(x - dx, y - dy); };
}

std::vector<Point> Arc(Point center, double radiusX, double radiusY, double from, double to, int steps)
{
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double degrees = from + (to - from) * i / steps;
        const double radians = degrees * std::numbers::pi / 180.0;
        points.push_back(Point{center.x + radiusX * std::cos(radians), center.y + radiusY * std::sin(radians)});
    }
    return points;
}

std::vector<Point> Curve(Point start, Point control, Point end, int steps)
{
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double u = 1 - t;
        points.push_back(Point{u * u * start.x + 2 * u * t * control.x + t * t * end.x,
                               u * u * start.y + 2 * u * t * control.y + t * t * end.y});
    }
    return points;
}

std::vector<Point> Join(std::initializer_list<std::vector<Point>> parts)
{
    std::vector<Point> joined;
    for (const auto& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

Paint VerticalGradient(Rgba top, double y0, Rgba bottom, double y1)
{
    return [=](double, double y) { return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0))); };
}

Paint RadialGradient(Point center, double radius, Rgba inner, Rgba outer)
{
    return [=](double x, double y) {
        const double distance = std::sqrt((x - center.x) * (x - center.x) + (y - center.y) * (y - center.y));
        return Mix(inner, outer, Clamp01(distance / radius));
    };
}

} // namespace orvane::art
