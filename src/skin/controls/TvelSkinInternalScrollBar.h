#pragma once

#include "skin/controls/TvelSkinOverlayWindow.h"

namespace orvane::skin {

// The skinned face laid over one of a window's own scroll bars (the vertical
// or the horizontal one of an edit box, a list, a grid). A press or release
// on it goes to the window as the same action on its own scroll bar, so that
// the system does the scrolling.
class TvelSkinInternalScrollBar : public TvelSkinOverlayWindow {
public:
    TvelSkinInternalScrollBar(HWND scrolledWindow, bool verticalBar)
        : control(scrolledWindow), vertical(verticalBar)
    {
    }
    bool Vertical() const { return vertical; }

protected:
    void MouseButton(UINT message, POINT client) override;

private:
    HWND control;
    bool vertical;
};

} // namespace orvane::skin
