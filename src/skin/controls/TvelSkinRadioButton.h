#pragma once

#include "skin/controls/TvelSkinCheckBox.h"

namespace orvane::skin {

// A radio button, drawn as the check box is from the skin's radio-button
// frames (checked, unchecked; enabled, then disabled). It keeps double
// clicks from the system button, which would otherwise draw its own look,
// and hands them to the control's OnDblClick.
class TvelSkinRadioButton : public TvelSkinCheckBox {
public:
    TvelSkinRadioButton(framework::TControl& control, TSkinControlHost& window);

    bool BeforeMessage(framework::TMessage& message) override;
};

} // namespace orvane::skin
