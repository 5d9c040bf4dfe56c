#include "core/skincontrols/CheckBoxPlacement.h"

#include <algorithm>

namespace orvane {

CheckBoxPlacement PlaceCheckBox(int frameWidth, int frameHeight, int clientWidth, int clientHeight, bool boxLeft)
{
    CheckBoxPlacement placement;
    placement.boxWidth = std::max(frameWidth, LeastCheckBoxSize);
    placement.boxHeight = std::max(frameHeight, LeastCheckBoxSize);
    placement.x = boxLeft ? 0 : clientWidth - frameWidth - 1;
    placement.y = (clientHeight - frameHeight) / 2;
    return placement;
}

} // namespace orvane
