#pragma once

#include "framework/TColor.h"

#include <windows.h>

namespace orvane::framework {
class TWinControl;
}

namespace orvane::skin {

class TSkinLook;

// A control's flat skinned border: a 2-pixel frame of the colour along all
// four edges of its window, then a line down its left edge (x = 0) in the
// skin's control border colour.
void FrameControl(framework::TWinControl& control, const TSkinLook& look, framework::TColor color);

// A one-pixel frame around a whole window, frame included, in the outer
// colour, and when asked another one pixel further in, in the inner colour.
void DrawWindowFrame(HWND window, framework::TColor outer, framework::TColor inner, bool drawInner);

// The sunken border of a control (an edit box, a list), of the program's
// forms and of system dialogs alike, drawn flat: the skin's control border
// colour around the whole window and `inner`, the colour of the control's
// face, one pixel inside. Which controls have such a border, and their
// face's colour, are the branch's own.
void PaintSunkenBorder(const TSkinLook& look, HWND window, framework::TColor inner);

// Whether the system may have drawn a control's window frame again on the
// message, so that the skin's must be drawn over it again.
bool SystemRedrawsFrameOn(UINT message);

} // namespace orvane::skin
