#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// Panels and cool bars: they take their parent's colour, and so the skin's
// form colour; their own drawing stays.
class TvelSkinPanel : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;
    bool UsesParentColor() const override { return true; }
};

} // namespace orvane::skin
