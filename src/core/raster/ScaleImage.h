#pragma once

#include "core/raster/Bitmap.h"

namespace orvane {

// A picture drawn for 96 DPI, made for `dpi`: each side ScaleForDpi of its
// own.
//
// Pictures of frames side by side (a strip of button states) give their
// frame count: each frame is scaled on its own to the scaled frame width, so
// that cutting the strip into frames works as before and no frame's pixels
// bleed into its neighbour's. A width the count does not divide is taken as
// one frame.
//
// At whole factors (192 DPI: 2x) every pixel becomes a square of equal
// pixels, so corners, edges and tiles stay exactly as sharp as drawn. At
// fractional factors (120, 144 DPI) each pixel gets the mean of the source
// area it covers, each source pixel weighted by its share of that area. A
// transparent picture keeps its transparent colour apart from that mean: a
// pixel more than half covered by transparent pixels is transparent, the
// others average only their opaque pixels. So the cut-away parts get no
// fringe of blended colour, and an opaque line one pixel wide between them
// (a border's outline) never vanishes when the picture grows.
//
// The result keeps the source's pixel format and transparency settings; at
// 96 DPI it is an exact copy.
Bitmap ScaleImageForDpi(const Bitmap& image, unsigned dpi, int framesAcross = 1);

} // namespace orvane
