#pragma once

#include "framework/TColor.h"
#include "skin/TvelSkinControlFramework.h"
#include "skin/painters/CheckBoxFrames.h"

namespace orvane::skin {

// A check box: the control draws itself and its caption, and this control
// skin draws the skin's box over the system's (CheckBoxFrames), in the frame
// of the state, on a box of at least 13 x 13 pixels in the control's colour,
// on the caption's side. While skinning, the caption takes the skin's
// control font colour.
class TvelSkinCheckBox : public TvelSkinControlFramework {
public:
    TvelSkinCheckBox(framework::TControl& control, TSkinControlHost& window);

    bool RedrawsAfter(UINT message) const override { return SystemRedrawsBoxOn(message); }
    void Paint() override;
    void SkinChanged() override;
    void Init() override;

protected:
    // A button of another kind of box, drawn the same way.
    TvelSkinCheckBox(framework::TControl& control, TSkinControlHost& window, const TSkinBoxKind& boxKind);

private:
    const TSkinBoxKind& kind;
    framework::TColor ownFontColor = 0;
};

} // namespace orvane::skin
