#pragma once

#include "core/raster/Canvas.h"

namespace orvane::skin {

class TSkinLook;

// Drawing shared by the control skins.

// Frame `frame` of `count` of a skin image, cut out; empty when the skin
// lacks the image.
Bitmap SkinFrame(const TSkinLook& look, int imageIndex, int count, int frame);

// The colour a glyph leaves out: its bottom-left pixel's, as for glyphs drawn
// by the system's own buttons.
Color GlyphTransparentColor(const Bitmap& glyph);

// The bitmap in light greys, leaving out the transparent colour: the look of
// a disabled picture that has no disabled frame of its own.
void DrawGreyedBitmap(Canvas& canvas, int x, int y, const Bitmap& bitmap, Color transparent);

} // namespace orvane::skin
