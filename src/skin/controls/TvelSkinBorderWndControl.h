#pragma once

#include "skin/TvelSkinControlWnd.h"

namespace orvane::skin {

// A plain window of a system dialog with a sunken border (an edit box, a
// list): its window frame drawn flat in the skin's control border colour
// with the system's window colour one pixel inside, whenever the system may
// have drawn the frame again.
class TvelSkinBorderWndControl : public TvelSkinControlWnd {
public:
    using TvelSkinControlWnd::TvelSkinControlWnd;

    bool RedrawsAfter(UINT message) const override;
    void Paint() override;

protected:
    void PaintBorder();
    // Whether the window has an edge of its own to draw over; a combo box,
    // whose face is its whole window, is framed without one.
    virtual bool HasEdge() const;
};

} // namespace orvane::skin
