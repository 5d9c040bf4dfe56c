#pragma once

#include "core/raster/Bitmap.h"

namespace orvane {

// Colours may name a system colour instead of an RGB value: the high bit set
// and the system-colour index in the low byte (as the framework's clBtnFace
// and the like do). The core knows no system colours; Windows code resolves
// them through GetSysColor, tests through a fixed table.
class SystemColorSource {
public:
    virtual ~SystemColorSource() = default;
    virtual Color SystemColor(int index) const = 0;
};

constexpr Color SystemColorFlag = 0x80000000u;

constexpr bool IsSystemColor(Color color) { return (color & SystemColorFlag) != 0; }

// The RGB value of a colour: system colours resolved, plain colours unchanged.
Color ColorToRGB(Color color, const SystemColorSource& systemColors);

// The RGB value of the colour with every colour bit flipped.
Color InvertColor(Color color, const SystemColorSource& systemColors);

} // namespace orvane
