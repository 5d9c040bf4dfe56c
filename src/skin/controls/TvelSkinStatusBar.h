#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A status bar takes its parent's colour; its size grip, which the system
// draws in its own colours, is drawn again in the bar's colour.
class TvelSkinStatusBar : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    void Paint() override;
    bool UsesParentColor() const override { return true; }
};

} // namespace orvane::skin
