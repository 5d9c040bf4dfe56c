#pragma once

#include <windows.h>

namespace orvane::framework {
class TFont;
}

namespace orvane::skin {

// The fonts of the system's non-client metrics, made once for the process:
// the caption font of title bars and the menu font (drawn in the system's
// menu text colour).
HFONT CaptionFont();
// The caption font for a window drawn at `dpi`: the system's at its own DPI,
// else the same font with its height scaled, made once per DPI.
HFONT CaptionFontForDpi(unsigned dpi);
HFONT MenuFont();
COLORREF MenuFontColor();
// A framework font made like the menu font, bold when asked (a menu's
// default item).
void AssignMenuFont(framework::TFont& font, bool bold = false);

} // namespace orvane::skin
