#pragma once

#include "core/raster/Bitmap.h"

#include <functional>
#include <vector>

namespace orvane::art {

struct Point {
    double x;
    double y;
};

struct Rgba {
    double r;
    double g;
    double b;
    double a = 1.0;
};

// An RGB colour from 0xRRGGBB with an opacity.
Rgba Hex(unsigned rgb, double alpha = 1.0);

// Where a point lies inside a shape: true inside.
using ShapeTest = std::function<bool(double x, double y)>;
// The colour of a fill at a point (gradients); constant for flat fills.
using Paint = std::function<Rgba(double x, double y)>;

// A canvas that anti-aliases by supersampling: every pixel is tested at a
// grid of points, and a shape covers the pixel by the share of points inside
// it. Colours are kept premultiplied while drawing; the finished picture has
// straight alpha, as Windows icons and image lists take it.
class ArtCanvas {
public:
    ArtCanvas(int width, int height);
    // A canvas of `width` x `height` pixels for a drawing made in units
    // `scale` pixels wide: the same picture at another size, drawn at that
    // size rather than stretched.
    ArtCanvas(int width, int height, double scale);

    int Width() const { return width; }
    int Height() const { return height; }

    void Fill(const ShapeTest& shape, const Paint& paint);
    void Fill(const ShapeTest& shape, Rgba color);

    // The picture with straight alpha in the X byte of each pixel.
    Bitmap ToBitmap() const;
    // Copies into a bitmap at (left, top).
    void CopyInto(Bitmap& target, int left, int top) const;

private:
    int width;
    int height;
    double scale = 1.0;
    std::vector<Rgba> pixels; // premultiplied
};

// Shapes. Coordinates are pixels; pixel (i, j) covers [i, i+1) x [j, j+1).
ShapeTest Disc(Point center, double radius);
ShapeTest Ring(Point center, double outerRadius, double innerRadius);
ShapeTest RoundedRect(double left, double top, double right, double bottom, double radius);
// A stroke of the given width along a polyline, with round ends and joins.
ShapeTest Stroke(std::vector<Point> points, double width);
ShapeTest Polygon(std::vector<Point> points);
ShapeTest Union(std::vector<ShapeTest> shapes);
ShapeTest Minus(ShapeTest shape, ShapeTest removed);
ShapeTest Shifted(ShapeTest shape, double dx, double dy);

// Points along an elliptical arc, y growing downwards: angle 0 is the right
// end, 90 the bottom, 180 the left, 270 the top; degrees, from `from` to `to`.
std::vector<Point> Arc(Point center, double radiusX, double radiusY, double from, double to, int steps = 32);
// Points along a quadratic Bezier curve.
std::vector<Point> Curve(Point start, Point control, Point end, int steps = 24);
// Joins point lists into one polyline.
std::vector<Point> Join(std::initializer_list<std::vector<Point>> parts);

// A vertical gradient from `top` at y0 to `bottom` at y1.
Paint VerticalGradient(Rgba top, double y0, Rgba bottom, double y1);
// A radial gradient from `inner` at the centre to `outer` at the radius.
Paint RadialGradient(Point center, double radius, Rgba inner, Rgba outer);

} // namespace orvane::art
