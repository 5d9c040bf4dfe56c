#pragma once

#include "skin/TvelSkinControlWnd.h"
#include "skin/painters/CheckBoxFrames.h"

namespace orvane::skin {

// A check box of a system dialog: the system draws it, and this control
// skin draws the skin's box over the system's (CheckBoxFrames), at the
// window's left, in the frame of the window's check state, on a box in the
// skin's form colour as tall as the window.
class TvelSkinWndCheckBox : public TvelSkinControlWnd {
public:
    TvelSkinWndCheckBox(HWND checkBox, TSkinControlHost& window);

    bool RedrawsAfter(UINT message) const override { return SystemRedrawsBoxOn(message); }
    void Paint() override;

protected:
    // A button of another kind of box, drawn the same way.
    TvelSkinWndCheckBox(HWND button, TSkinControlHost& window, const TSkinBoxKind& boxKind);

private:
    const TSkinBoxKind& kind;
};

} // namespace orvane::skin
