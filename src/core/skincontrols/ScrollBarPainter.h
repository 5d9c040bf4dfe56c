#pragma once

#include "core/raster/Canvas.h"

#include <span>

namespace orvane {

// The images a skinned scroll bar is drawn from, for one direction: the six
// arrow-button frames (1-3 the first button, 4-6 the second), the five thumb
// sections (cap, body before the grip, grip, body after it, cap) and, for
// skins that draw the thumb in one piece, the whole thumb image.
struct ScrollBarImages {
    std::span<const Bitmap> buttons;
    std::span<const Bitmap> thumb;
    const Bitmap* wholeThumb = nullptr;
    bool threePartThumb = false;
};

// Draws a scroll bar into `bar`: the bar colour, the two arrow buttons as
// squares at its ends, and the thumb over `thumb` when given. A thumb longer
// than 15 pixels is drawn from the whole thumb image when the skin has one;
// otherwise from the five sections: the caps at their own length (the end cap
// squeezed from its last rows when it is longer than half the thumb), the grip
// centred at its own length or stretched when it does not fit, the bodies
// stretched between.
void PaintScrollBar(Canvas& canvas, const ScrollBarImages& images, Color barColor, const Rect& bar,
                    const Rect* thumb, bool vertical);

// Above this length a thumb may be drawn from the whole thumb image.
inline constexpr int WholeThumbMinLength = 16;

} // namespace orvane
