#pragma once

#include "skin/TvelSkinControlWnd.h"
#include "skin/painters/CheckBoxFrames.h"

namespace orvane::skin {

// A check box of a system dialog: the system draws it, and this control
// skin draws the skin's box over the system's, at the window's left, in the
// frame of the window's check state.
class TvelSkinWndCheckBox : public TvelSkinControlWnd {
public:
    TvelSkinWndCheckBox(HWND checkBox, TSkinControlHost& window);

    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
    void Init() override;

protected:
    using TBoxImage = TSkinBoxImage;
    virtual TBoxImage BoxImage() const;
    // The frame (from 1) for the window's state.
    virtual int BoxFrame() const;

    LONG style = 0;
};

} // namespace orvane::skin
