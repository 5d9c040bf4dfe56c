#pragma once

#include "core/raster/Canvas.h"

namespace orvane {

enum class CornerDrawing { Opaque, Transparent };

// Draws a button-like image over a rectangle of any size: the four corners at
// their own size, the edges and the centre stretched between them.
//
// For a w x h source and a W x H destination, with hw = w div 2, hh = h div 2,
// HW = W div 2, HH = H div 2 (source rectangles left, top, right, bottom):
//
//   top-left      0, 0, hw, hh                     at most HW x HH
//   bottom-left   0, h-hh+1, hw, h                 at most HW x (HH-1)
//   top-right     w-hw+1, 0, w, hh                 at most (HW-1) x HH
//   bottom-right  w-hw+1, h-hh+1, w, h             at most (HW-1) x (HH-1)
//   left edge     0, hh, hw, h-hh                  between the left corners
//   right edge    w-hw+1, hh, w, hh+1              between the right corners
//   top edge      hw, 0, w-hw+1, hh                between the top corners
//   centre        hw, hh, w-hw+1, h-hh             up to one row above the bottom-left corner
//   bottom edge   hw, h-hh, w-hw+1, h              from one pixel left of and above
//                                                  the bottom-left corner
//
// A corner larger than the room it gets is cut from its outer side and never
// scaled; corners are masked with the transparent colour when asked, edges and
// the centre always. Parts of empty size are skipped; nothing is drawn when
// the destination has no height. So that the centre and the edges have
// content, the source is best an even number of pixels wide and an odd number
// high.
void DrawNineSlice(const Bitmap& bitmap, Canvas& canvas, const Rect& rect, Color transparent, CornerDrawing corners);

} // namespace orvane
