#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A control with a sunken border (edit boxes, lists, hot-key boxes): its
// window frame is drawn flat in the skin's control border colour, with the
// control's own colour one pixel inside, whenever the system may have drawn
// the frame again.
class TvelSkinBorderWinControl : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    bool RedrawsAfter(UINT message) const override;
    void Paint() override;

protected:
    // Whether the control shows a border of its own that is redrawn: its
    // BorderStyle is not none, its edges are not all switched off, and its
    // class keeps no border of its own by the engine's list.
    bool HasSunkenBorder() const;
    void PaintBorder();
};

} // namespace orvane::skin
