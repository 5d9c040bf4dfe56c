#pragma once

#include "core/raster/Rect.h"

#include <vector>

namespace orvane {

// The gap between the main window and the hint window beside it.
constexpr int HintPanelGap = 8;

// Where the hint window of a size stands on the screen. Beside the main
// window where the work area has room, in this order: to its right, to its
// left (top edges in line), below, above (left edges in line), so that it
// covers nothing of the board. Where none fits, inside the work area at the
// first of the main window's corners and then the work area's corners that
// covers none of `avoid` (the screen rectangles of the cells the hint shows),
// else at the one that covers least of them.
Rect HintPanelPlace(const Rect& workArea, const Rect& mainWindow, int width, int height,
                    const std::vector<Rect>& avoid);

} // namespace orvane
