#pragma once

#include "framework/TColor.h"
#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A label: while skinning its text takes the skin's control font colour and
// it takes its parent's colour; its own colour comes back otherwise.
class TvelSkinLabel : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    void Init() override;
    void SkinChanged() override;
    bool UsesParentColor() const override { return true; }

private:
    framework::TColor ownFontColor = 0;
};

} // namespace orvane::skin
