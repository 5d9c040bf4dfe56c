#pragma once

#include "core/raster/Canvas.h"

namespace orvane {

// A colour that matches no pixel: masked drawing with it is opaque drawing.
inline constexpr Color NoTransparentColor = 0xFFFFFFFFu;

// Copies of bitmap parts onto a canvas, as BitBlt and StretchBlt (colour on
// colour) give them. The masked variants leave out every source pixel whose
// colour is exactly the transparent colour; this is both the "transparent"
// drawing of a bitmap and the "masked" drawing of an image list, since both
// build their mask from one colour. Source pixels outside the source bitmap
// are skipped, and everything clips to the canvas.

void CopyRect(Canvas& canvas, int x, int y, const Bitmap& source, const Rect& sourceRect);
void CopyRectMasked(Canvas& canvas, int x, int y, const Bitmap& source, const Rect& sourceRect, Color transparent);

// Stretching picks, for every destination pixel, the source pixel under its
// centre (nearest neighbour). See StretchHalftone for the averaging stretch.
void StretchRect(Canvas& canvas, const Rect& destination, const Bitmap& source, const Rect& sourceRect);
void StretchRectMasked(Canvas& canvas, const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                       Color transparent);

// The whole bitmap, masked with its own TransparentColor when it is Transparent.
void DrawBitmap(Canvas& canvas, int x, int y, const Bitmap& bitmap);
void StretchDrawBitmap(Canvas& canvas, const Rect& destination, const Bitmap& bitmap);

} // namespace orvane
