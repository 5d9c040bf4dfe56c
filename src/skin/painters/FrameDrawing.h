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

} // namespace orvane::skin
