#pragma once

#include "core/raster/Canvas.h"

#include <windows.h>

namespace orvane::framework {
class TBitmap;
}

namespace orvane::skin {

class TSkinLook;

// What a push button's face shows of its state.
struct TButtonFaceState {
    bool hot = false;     // the pointer is over it
    bool pressed = false; // held down by the mouse or a key
    bool focused = false; // it has the keyboard focus
};

// Frame `frame` (1 normal, 2 hot, 3 pressed) of the skin's button image
// spread over the rectangle; its corners transparent when the skin asks.
// False when the skin has no button image.
bool DrawButtonFrame(const TSkinLook& look, Canvas& canvas, const Rect& rect, int frame);

// A push button's face, drawn into the whole image, which has the button's
// size: the background colour, the skin's button frame of the state over
// it, and the focus rectangle 5 pixels inside the edges (one pixel right and
// down while pressed). The picture and the caption go on top of it.
void PaintButtonFace(const TSkinLook& look, framework::TBitmap& image, Color background,
                     const TButtonFaceState& state);

// Whether a push button's face is painted again after the message, beyond
// what every control skin repaints after: the focus came, which the face
// shows.
bool ButtonFaceChangesOn(UINT message);

} // namespace orvane::skin
