#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A group box: over what the control drew, a one-pixel frame in the skin's
// control border colour and the caption in its control font colour. It
// takes its parent's colour.
class TvelSkinGroupBox : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    void Paint() override;
    bool UsesParentColor() const override { return true; }
};

} // namespace orvane::skin
