#include "core/skincontrols/CheckBoxPlacement.h"

#include <algorithm>

namespace orvane {

CheckBoxPlacement PlaceCheckBox(int frameWidth, int frameHeight, int clientWidth, int clientHeight, bool boxLeft)
{
    CheckBoxPlacement placement;
    placement.boxWidth = std::max(frameWidth, LeastCheckBoxSize);
    placement.boxHeight = std::max(frameHeight, LeastCheckBoxSize);
    placement.x = boxLeft ? 0 : clientWidth - placement.boxWidth - 1;
    placement.y = (clientHeight - placement.boxHeight) / 2;
    const int frameLeft = boxLeft ? 0 : clientWidth - frameWidth - 1;
    const int frameTop = (clientHeight - frameHeight) / 2;
    placement.frameX = frameLeft - placement.x;
    placement.frameY = frameTop - placement.y;
    return placement;
}

} // namespace orvane
