#pragma once

#include <windows.h>

namespace orvane::skin {

class TSkinLook;

// A drop-down button drawn from the skin's control colours over the area:
// filled with the control colour, a line in the border colour down its inner
// edge (the left one, or the right one for right-to-left reading), and the
// arrow at (the area's horizontal centre - 3, arrowTop), grey when disabled;
// arrowTop is in the coordinates the area is given in.
void PaintDropDownButton(const TSkinLook& look, HDC dc, const RECT& area, int arrowTop, bool enabled,
                         bool lineOnRight);

// The skinned face of a combo box's button and frames, on its client area.
struct TComboBoxLook {
    bool innerFrames = true;   // the border-colour frame and the control-colour frame inside it
    bool listFrame = true;     // a frame around the dropped-down list
    bool enabled = true;
    COLORREF innerColor = 0;   // the colour of the inner frame
};
// False when there is no window, the combo box is a simple one (its list
// always shown, no button), or the system cannot report its parts; it is
// then left as the system drew it.
bool PaintComboBox(const TSkinLook& look, HWND combo, const TComboBoxLook& state);

// Whether the system may have drawn a combo box's button or frames again on
// the message (besides its window frame, see SystemRedrawsFrameOn), so that
// the skin's must be drawn over them again.
bool SystemRedrawsComboBoxOn(UINT message);

} // namespace orvane::skin
