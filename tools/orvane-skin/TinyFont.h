#pragma once

#include "core/raster/Canvas.h"

#include <string_view>

namespace orvane {

// A 5 x 7 pixel font for the labels and captions of the contact sheet, so
// that the tool needs no font files. Letters are drawn in upper case;
// characters it lacks are drawn as blanks. Each character advances 6 pixels
// times the scale.
inline constexpr int TinyFontAdvance = 6;
inline constexpr int TinyFontHeight = 7;

void DrawTinyText(Canvas& canvas, int x, int y, std::string_view text, Color color, int scale = 1);
int TinyTextWidth(std::string_view text, int scale = 1);

} // namespace orvane
