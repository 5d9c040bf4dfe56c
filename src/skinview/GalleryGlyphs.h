#pragma once

#include "framework/TBitmap.h"

#include <windows.h>

namespace orvane::skinview {

// Small pictures for the gallery's buttons, drawn in code: a filled shape in
// a colour on a magenta ground (the bottom-left pixel, which buttons leave
// out), as `frames` frames side by side. Frame 1 is the shape in its colour,
// frame 2 the same in greys (the disabled look); further frames repeat
// frame 1 shifted down a pixel (pressed, down).
enum class GlyphShape { Square, Circle, Triangle, Cross };

void DrawGalleryGlyph(framework::TBitmap& glyph, GlyphShape shape, COLORREF colour, int frames, int side = 16);

} // namespace orvane::skinview
