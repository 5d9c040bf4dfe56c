#include "GameArt.h"

#include "ArtCanvas.h"

#include <functional>

namespace orvane::art {

namespace {

using Drawing = std::function<void(ArtCanvas&)>;

constexpr double Size = ToolImageExtent;
const Point Middle{Size / 2, Size / 2};

// A soft shadow under a shape: the same shape, offset down and right, faint.
void Shadowed(ArtCanvas& canvas, const ShapeTest& shape, const Paint& paint)
{
    canvas.Fill(Shifted(shape, 0.6, 0.9), Hex(0x000000, 0.22));
    canvas.Fill(shape, paint);
}

// The strokes of a digit in a unit box (x and y 0..1, y downwards).
std::vector<std::vector<Point>> DigitStrokes(int digit)
{
    switch (digit) {
    case 1:
        return {{{0.22, 0.24}, {0.58, 0.0}, {0.58, 1.0}}, {{0.24, 1.0}, {0.9, 1.0}}};
    case 2:
        return {Join({Arc({0.5, 0.29}, 0.42, 0.29, 170, 395), {{0.04, 1.0}, {0.98, 1.0}}})};
    case 3:
        return {Join({Arc({0.5, 0.25}, 0.4, 0.25, 200, 450, 28), Arc({0.5, 0.74}, 0.46, 0.26, 270, 520, 28)})};
    case 4:
        return {{{0.72, 1.0}, {0.72, 0.0}, {0.0, 0.7}, {1.0, 0.7}}};
    case 5:
        return {Join({{{0.9, 0.0}, {0.2, 0.0}, {0.13, 0.47}}, Arc({0.5, 0.68}, 0.44, 0.32, 215, 505, 30)})};
    case 6:
        return {Arc({0.5, 0.69}, 0.43, 0.31, 0, 360, 36), Curve({0.84, 0.02}, {0.14, 0.05}, {0.07, 0.66})};
    case 7:
        return {{{0.0, 0.0}, {1.0, 0.0}, {0.36, 1.0}}};
    case 8:
        return {Arc({0.5, 0.25}, 0.37, 0.25, 0, 360, 36), Arc({0.5, 0.73}, 0.45, 0.27, 0, 360, 36)};
    case 9: {
        // A 6 turned half round.
        auto strokes = DigitStrokes(6);
        for (auto& stroke : strokes)
            for (Point& p : stroke)
                p = Point{1.0 - p.x, 1.0 - p.y};
        return strokes;
    }
    default:
        return {};
    }
}

ShapeTest DigitShape(int digit, double left, double top, double width, double height, double strokeWidth)
{
    std::vector<ShapeTest> shapes;
    for (const auto& stroke : DigitStrokes(digit)) {
        std::vector<Point> placed;
        for (const Point& p : stroke)
            placed.push_back(Point{left + p.x * width, top + p.y * height});
        shapes.push_back(Stroke(placed, strokeWidth));
    }
    return Union(shapes);
}

// A digit tile: a light rounded square with a blue rim and a dark blue digit,
// like a cell of the board.
void DigitTile(ArtCanvas& canvas, int digit)
{
    const ShapeTest tile = RoundedRect(2, 2, 22, 22, 3.5);
    canvas.Fill(Shifted(tile, 0.5, 0.8), Hex(0x000000, 0.18));
    canvas.Fill(tile, VerticalGradient(Hex(0x5b7fbf), 2, Hex(0x2f4f8f), 22));
    canvas.Fill(RoundedRect(3, 3, 21, 21, 2.6), VerticalGradient(Hex(0xffffff), 3, Hex(0xdde7f6), 21));
    canvas.Fill(DigitShape(digit, 8.1, 6.0, 7.8, 12.0, 2.5), Hex(0x14307a));
}

void Tick(ArtCanvas& canvas)
{
    const std::vector<Point> path{{4.8, 12.6}, {9.8, 17.6}, {19.4, 6.2}};
    canvas.Fill(Shifted(Stroke(path, 5.2), 0.6, 0.9), Hex(0x000000, 0.2));
    canvas.Fill(Stroke(path, 5.2), Hex(0x1d6b26));
    canvas.Fill(Stroke(path, 3.2), VerticalGradient(Hex(0x7fdc6e), 6, Hex(0x2f9e3a), 18));
}

void QuestionDisc(ArtCanvas& canvas)
{
    Shadowed(canvas, Disc(Middle, 10.5), [](double, double) { return Hex(0x173f8a); });
    canvas.Fill(Disc(Middle, 9.6), RadialGradient({9.0, 8.0}, 13.0, Hex(0x6fa8f0), Hex(0x1f56b8)));
    const std::vector<Point> hook = Join({Arc({12.0, 9.0}, 3.6, 3.3, 180, 410, 28), {{12.0, 14.0}}});
    canvas.Fill(Stroke(hook, 2.6), Hex(0xffffff));
    canvas.Fill(Disc({12.0, 17.6}, 1.55), Hex(0xffffff));
}

void Cross(ArtCanvas& canvas)
{
    const ShapeTest outer = Union({Stroke({{6.0, 6.0}, {18.0, 18.0}}, 5.0), Stroke({{18.0, 6.0}, {6.0, 18.0}}, 5.0)});
    const ShapeTest inner = Union({Stroke({{6.0, 6.0}, {18.0, 18.0}}, 3.0), Stroke({{18.0, 6.0}, {6.0, 18.0}}, 3.0)});
    Shadowed(canvas, outer, [](double, double) { return Hex(0x8a1414); });
    canvas.Fill(inner, VerticalGradient(Hex(0xff7a6a), 5, Hex(0xd42a1f), 19));
}

void Printer(ArtCanvas& canvas)
{
    // Paper going in at the top, the body, and a printed page coming out.
    canvas.Fill(RoundedRect(7, 2.5, 17, 11, 0.8), Hex(0x8d96a3));
    canvas.Fill(RoundedRect(7.8, 3.3, 16.2, 11, 0.4), Hex(0xffffff));
    const ShapeTest body = RoundedRect(2.5, 9, 21.5, 18.5, 2.2);
    Shadowed(canvas, body, [](double, double) { return Hex(0x3f4752); });
    canvas.Fill(RoundedRect(3.3, 9.8, 20.7, 17.7, 1.6), VerticalGradient(Hex(0xd9dee5), 10, Hex(0x8e98a6), 18));
    canvas.Fill(RoundedRect(5, 15, 19, 16.4, 0.6), Hex(0x3f4752));
    canvas.Fill(Disc({18.2, 12.2}, 1.0), Hex(0x3fc24a));
    canvas.Fill(RoundedRect(6.5, 15.8, 17.5, 22, 0.6), Hex(0x7a8494));
    canvas.Fill(RoundedRect(7.2, 16.2, 16.8, 21.3, 0.4), Hex(0xffffff));
    for (const double y : {18.0, 19.7})
        canvas.Fill(RoundedRect(8.6, y - 0.45, 15.4, y + 0.45, 0.3), Hex(0x9aa6b8));
}

void SiteLogo(ArtCanvas& canvas)
{
    // An orange disc carrying a white "O" with the grid of a board inside.
    Shadowed(canvas, Disc(Middle, 10.5), [](double, double) { return Hex(0xa34a06); });
    canvas.Fill(Disc(Middle, 9.6), RadialGradient({9.0, 8.0}, 13.0, Hex(0xffc15a), Hex(0xe86a0c)));
    canvas.Fill(Ring(Middle, 7.4, 5.2), Hex(0xffffff));
    for (const double offset : {-1.25, 1.25}) {
        canvas.Fill(RoundedRect(12 + offset - 0.45, 8.6, 12 + offset + 0.45, 15.4, 0.2), Hex(0xffffff));
        canvas.Fill(RoundedRect(8.6, 12 + offset - 0.45, 15.4, 12 + offset + 0.45, 0.2), Hex(0xffffff));
    }
}

// The program icon: a small board with its 3 x 3 boxes, one cell marked.
Bitmap MainIcon(int size)
{
    ArtCanvas canvas(size, size);
    const double s = size;
    const double edge = s / 16;
    const ShapeTest board = RoundedRect(edge * 0.5, edge * 0.5, s - edge * 0.5, s - edge * 0.5, edge * 2.2);
    canvas.Fill(Shifted(board, edge * 0.3, edge * 0.4), Hex(0x000000, 0.25));
    canvas.Fill(board, VerticalGradient(Hex(0x3b6fc4), 0, Hex(0x1d3f8c), s));
    const double inner = edge * 1.6;
    const double cellsLeft = inner;
    const double cellsExtent = s - 2 * inner;
    canvas.Fill(RoundedRect(cellsLeft, cellsLeft, cellsLeft + cellsExtent, cellsLeft + cellsExtent, edge * 0.8),
                VerticalGradient(Hex(0xffffff), cellsLeft, Hex(0xe2eaf7), s - inner));
    const double box = cellsExtent / 3;
    canvas.Fill(RoundedRect(cellsLeft + box, cellsLeft + box, cellsLeft + 2 * box, cellsLeft + 2 * box, edge * 0.3),
                Hex(0xffc15a));
    const double line = std::max(1.0, s / 24);
    for (int k = 1; k < 3; ++k) {
        const double at = cellsLeft + k * box;
        canvas.Fill(RoundedRect(at - line / 2, cellsLeft, at + line / 2, cellsLeft + cellsExtent, 0), Hex(0x1d3f8c));
        canvas.Fill(RoundedRect(cellsLeft, at - line / 2, cellsLeft + cellsExtent, at + line / 2, 0), Hex(0x1d3f8c));
    }
    if (size >= 32) {
        const double digitHeight = box * 0.62;
        const double digitWidth = digitHeight * 0.65;
        const double stroke = std::max(1.4, s / 22);
        const auto digitAt = [&](int digit, int column, int row, unsigned color) {
            const double left = cellsLeft + column * box + (box - digitWidth) / 2;
            const double top = cellsLeft + row * box + (box - digitHeight) / 2;
            canvas.Fill(DigitShape(digit, left, top, digitWidth, digitHeight, stroke), Hex(color));
        };
        digitAt(9, 1, 1, 0x14307a);
        digitAt(1, 0, 0, 0x14307a);
        digitAt(5, 2, 2, 0x1f56b8);
    }
    return canvas.ToBitmap();
}

} // namespace

Bitmap ToolBarStrip(int extent)
{
    const Drawing drawings[ToolImageCount] = {
        Tick,
        QuestionDisc,
        [](ArtCanvas& c) { DigitTile(c, 1); },
        [](ArtCanvas& c) { DigitTile(c, 2); },
        [](ArtCanvas& c) { DigitTile(c, 3); },
        Cross,
        [](ArtCanvas& c) { DigitTile(c, 4); },
        [](ArtCanvas& c) { DigitTile(c, 5); },
        [](ArtCanvas& c) { DigitTile(c, 6); },
        [](ArtCanvas& c) { DigitTile(c, 7); },
        [](ArtCanvas& c) { DigitTile(c, 8); },
        [](ArtCanvas& c) { DigitTile(c, 9); },
        Printer,
        SiteLogo,
    };
    Bitmap strip(extent * ToolImageCount, extent, 0);
    for (int i = 0; i < ToolImageCount; ++i) {
        ArtCanvas canvas(extent, extent, double(extent) / ToolImageExtent);
        drawings[i](canvas);
        canvas.CopyInto(strip, i * extent, 0);
    }
    return strip;
}

std::vector<Bitmap> MainIconImages()
{
    std::vector<Bitmap> images;
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 256})
        images.push_back(MainIcon(size));
    return images;
}

Bitmap MenuCheckMark()
{
    ArtCanvas canvas(MenuCheckMarkExtent, MenuCheckMarkExtent);
    canvas.Fill(Stroke({{3.5, 8.5}, {6.5, 11.5}, {12.5, 4.5}}, 2.2), Hex(0x000000));
    const Bitmap drawn = canvas.ToBitmap();
    // Pixels at least half covered become black, the rest white: a mask of
    // one colour leaves no grey fringe on a coloured menu.
    Bitmap mark(MenuCheckMarkExtent, MenuCheckMarkExtent);
    for (int y = 0; y < MenuCheckMarkExtent; ++y)
        for (int x = 0; x < MenuCheckMarkExtent; ++x)
            mark.SetColorAt(x, y, (drawn.At(x, y) >> 24) >= 0x80 ? 0x000000 : 0xFFFFFF);
    return mark;
}

Bitmap MdiControlGlyphs()
{
    constexpr int e = MdiControlGlyphExtent;
    Bitmap strip(3 * e, e);
    for (int y = 0; y < e; ++y)
        for (int x = 0; x < 3 * e; ++x)
            strip.SetColorAt(x, y, 0xFFFFFF);
    const auto line = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                strip.SetColorAt(x, y, 0x000000);
    };
    // Minimize: a bar at the foot.
    line(4, 11, 11, 12);
    // Restore: two windows, the front one lower left.
    const int r = e;
    line(r + 6, 3, r + 12, 4);
    line(r + 12, 3, r + 12, 9);
    line(r + 6, 3, r + 6, 5);
    line(r + 11, 9, r + 12, 9);
    line(r + 3, 6, r + 9, 7);
    line(r + 3, 6, r + 3, 12);
    line(r + 9, 6, r + 9, 12);
    line(r + 3, 12, r + 9, 12);
    // Close: a cross two pixels thick.
    const int c = 2 * e;
    for (int i = 0; i < 8; ++i) {
        line(c + 4 + i, 4 + i, c + 5 + i, 4 + i);
        line(c + 11 - i, 4 + i, c + 12 - i, 4 + i);
    }
    return strip;
}

} // namespace orvane::art
