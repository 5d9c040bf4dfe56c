#pragma once

#include "skin/controls/TvelSkinOverlayWindow.h"

namespace orvane::skin {

// The skinned face laid over a scroll-bar control. The pointer's presses,
// moves and releases on it go to the scroll bar underneath at the same
// place, so that the scroll bar tracks them itself.
class TvelSkinInternalScrollBar2 : public TvelSkinOverlayWindow {
public:
    explicit TvelSkinInternalScrollBar2(HWND scrollBar) : control(scrollBar) {}

protected:
    void MouseButton(UINT message, POINT client) override;

private:
    HWND control;
};

} // namespace orvane::skin
