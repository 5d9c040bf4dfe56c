#pragma once

#include "framework/TColor.h"
#include "skin/TvelSkinControlFramework.h"
#include "skin/painters/CheckBoxFrames.h"

namespace orvane::skin {

// A check box: the control draws itself and its caption, and this control
// skin draws the skin's box over the system's, in the frame of the state,
// on a box of at least 13 x 13 pixels in the control's colour. While
// skinning, the caption takes the skin's control font colour.
class TvelSkinCheckBox : public TvelSkinControlFramework {
public:
    TvelSkinCheckBox(framework::TControl& control, TSkinControlHost& window);

    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
    void SkinChanged() override;
    void Init() override;

protected:
    using TBoxImage = TSkinBoxImage;
    virtual TBoxImage BoxImage() const;
    // The frame (from 1) for the control's state.
    virtual int BoxFrame() const;

private:
    framework::TColor ownFontColor = 0;
};

} // namespace orvane::skin
