#pragma once

#include "core/raster/Bitmap.h"

#include <vector>

namespace orvane::art {

constexpr int ToolImageExtent = 24;
constexpr int ToolImageCount = 14;

// The tool bar images in image-list order, as one strip of 24 x 24 images
// (or `extent` x `extent`, the same pictures drawn at that size):
//    0 tick (Check Error)      5 cross (eraser)       12 printer
//    1 blue disc with "?"      6..11 digits 4 to 9    13 the site's logo
//    2..4 digits 1 to 3
Bitmap ToolBarStrip(int extent = ToolImageExtent);

// The sizes of the tool bar images beside 24, for screens above 96 DPI:
// 24 scaled for 120, 144, 168, 192, 240 and 288 DPI.
constexpr int LargerToolImageExtents[] = {30, 36, 42, 48, 60, 72};

// The program icon in the sizes Windows asks for, at every DPI up to 200 %
// (16, 20, 24, 32, 40, 48, 64, 256).
std::vector<Bitmap> MainIconImages();

// The check mark of checked menu items until a skin brings its own: a black
// tick on white, 16 x 16, two colours only, because menus draw it with white
// as the transparent colour.
constexpr int MenuCheckMarkExtent = 16;
Bitmap MenuCheckMark();
// The glyphs of a skinned MDI frame's child buttons: minimize, restore and
// close, 16 by 16 each, side by side, black on white.
constexpr int MdiControlGlyphExtent = 16;
Bitmap MdiControlGlyphs();

} // namespace orvane::art
