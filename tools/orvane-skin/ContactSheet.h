#pragma once

#include "core/raster/Bitmap.h"
#include "core/skinmodel/TvelSkinReader.h"

namespace orvane {

// A picture for judging a skin at a glance: on the left a window drawn from
// the skin at twice its size (title with caption plate and buttons, borders,
// menu bar with an open menu, tool bar, buttons in their three states, check
// boxes, radio buttons, a combo box, a progress bar, a track bar, tabs and
// scroll bars), on the right every image of the skin, enlarged, with its key
// name. The window follows the drawing rules of the engine closely enough to
// show how the images fit, but it is a preview, not the engine.
Bitmap RenderContactSheet(const TvelSkinReader& reader);

} // namespace orvane
