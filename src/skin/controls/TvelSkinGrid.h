#pragma once

#include "framework/TColor.h"
#include "skin/controls/TvelSkinScrollWinControl.h"

namespace orvane::skin {

// A grid: scroll-bar faces and border as any scrolled control, and its fixed
// cells in the skin's form colour while skinned (its own colour back after).
class TvelSkinGrid : public TvelSkinScrollWinControl {
public:
    using TvelSkinScrollWinControl::TvelSkinScrollWinControl;

    void Init() override;
    void SkinChanged() override;

private:
    framework::TColor ownFixedColor = framework::clBtnFace;
    bool colourTaken = false;
};

} // namespace orvane::skin
