#pragma once

#include "core/raster/Bitmap.h"

namespace orvane {

// Skin images hold their states as equal-width frames side by side. The
// target becomes frame `index` (counted from 1) of `count`: source width div
// count wide, full height; columns left over by the division are never used.
// The target keeps its own pixel format and transparency settings. Nothing
// happens when there is no source or the count is not positive; the parts of
// a frame that lie outside the source (an index beyond the count) are black.
void CutFrame(const Bitmap* source, Bitmap& target, int count, int index);

} // namespace orvane
