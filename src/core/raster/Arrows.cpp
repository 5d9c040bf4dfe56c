#include "core/raster/Arrows.h"

namespace orvane {
namespace {

constexpr Color EnabledArrowColor = 0x000000;
constexpr Color DisabledArrowColor = 0x808080;
constexpr Color DisabledArrowShadow = 0xFFFFFF;
constexpr int ArrowDepth = 3; // rows (or columns) after the arrow's base

enum class Direction { Down, Up, Left, Right };

// Step k away from the base (k = 0..3) covers a line whose ends follow the
// triangle's two slanted edges.
void Triangle(Canvas& canvas, int x, int y, Direction direction, Color color)
{
    for (int k = 0; k <= ArrowDepth; ++k) {
        switch (direction) {
        case Direction::Down: canvas.HorzLine(x + k, y + k, 2 * (ArrowDepth - k) + 1, color); break;
        case Direction::Up: canvas.HorzLine(x - k, y + k, 2 * k + 1, color); break;
        case Direction::Left: canvas.VertLine(x + k, y - k, 2 * k + 1, color); break;
        case Direction::Right: canvas.VertLine(x + k, y + k, 2 * (ArrowDepth - k) + 1, color); break;
        }
    }
}

void Arrow(Canvas& canvas, int x, int y, Direction direction, ArrowState state)
{
    if (state == ArrowState::Enabled) {
        Triangle(canvas, x, y, direction, EnabledArrowColor);
        return;
    }
    Triangle(canvas, x + 1, y + 1, direction, DisabledArrowShadow);
    Triangle(canvas, x, y, direction, DisabledArrowColor);
}

} // namespace

void DrawArrowDown(Canvas& canvas, int x, int y, ArrowState state) { Arrow(canvas, x, y, Direction::Down, state); }
void DrawArrowUp(Canvas& canvas, int x, int y, ArrowState state) { Arrow(canvas, x, y, Direction::Up, state); }
void DrawArrowLeft(Canvas& canvas, int x, int y, ArrowState state) { Arrow(canvas, x, y, Direction::Left, state); }
void DrawArrowRight(Canvas& canvas, int x, int y, ArrowState state) { Arrow(canvas, x, y, Direction::Right, state); }

} // namespace orvane
