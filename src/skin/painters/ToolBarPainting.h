#pragma once

#include <windows.h>

#include <commctrl.h>

namespace orvane::skin {

class TSkinLook;

// Switches tool-bar window styles (TBSTYLE_FLAT, TBSTYLE_TRANSPARENT) on or
// off in the window's style, leaving the others as they are.
void SetToolBarStyles(HWND toolBar, LONG styles, bool on);

// Answers a system tool bar's NM_CUSTOMDRAW from the skin: before the bar
// paints, its background (the skin's tool-bar image stretched over the
// width x height bar; without it a gradient from the tool-bar start colour
// to the end colour, or the start colour alone); before each button, an
// enabled hot or down button filled in the skin's hot or down colour with a
// border in the tool-bar border colour, the system drawing the picture and
// text on top without edges or background of its own.
LRESULT PaintToolBarCustomDraw(const TSkinLook& look, NMCUSTOMDRAW& draw, int width, int height);

} // namespace orvane::skin
