#include "core/raster/SystemColors.h"

namespace orvane {

namespace {
constexpr Color SystemColorIndexMask = 0xFFu;
constexpr Color RgbMask = 0xFFFFFFu;
}

Color ColorToRGB(Color color, const SystemColorSource& systemColors)
{
    if (IsSystemColor(color))
        return systemColors.SystemColor(int(color & SystemColorIndexMask));
    return color;
}

Color InvertColor(Color color, const SystemColorSource& systemColors)
{
    return (ColorToRGB(color, systemColors) ^ RgbMask) & RgbMask;
}

} // namespace orvane
