#pragma once

#include <windows.h>

namespace orvane::skin {

// The fonts of the system's non-client metrics, made once for the process:
// the caption font of title bars and the menu font (drawn in the system's
// menu text colour).
HFONT CaptionFont();
HFONT MenuFont();
COLORREF MenuFontColor();

} // namespace orvane::skin
