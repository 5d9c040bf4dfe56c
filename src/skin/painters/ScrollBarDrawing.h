#pragma once

#include "core/raster/Canvas.h"

#include <windows.h>

namespace orvane::skin {

class TSkinLook;

// A scroll bar drawn from the engine's scroll-bar images and colour, into
// `bar` of the canvas; the thumb when given.
void PaintSkinScrollBar(const TSkinLook& look, Canvas& canvas, const Rect& bar, const Rect* thumb,
                        bool vertical);

// The system's report on a window's scroll bar (OBJID_VSCROLL, OBJID_HSCROLL
// or OBJID_CLIENT for a scroll-bar control); false where the system cannot
// give it.
bool QueryScrollBarInfo(HWND window, LONG object, SCROLLBARINFO& info);

// The system's report on a combo box; false where it cannot give it.
bool QueryComboBoxInfo(HWND window, COMBOBOXINFO& info);

} // namespace orvane::skin
