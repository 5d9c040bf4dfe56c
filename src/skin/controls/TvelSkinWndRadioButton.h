#pragma once

#include "skin/controls/TvelSkinWndCheckBox.h"

namespace orvane::skin {

// A radio button of a system dialog: drawn as the check box is, from the
// skin's radio-button frames (checked, unchecked; enabled, then disabled).
class TvelSkinWndRadioButton : public TvelSkinWndCheckBox {
public:
    TvelSkinWndRadioButton(HWND radioButton, TSkinControlHost& window);
};

} // namespace orvane::skin
