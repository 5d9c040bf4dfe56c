#pragma once

#include <windows.h>

namespace orvane::framework {

enum class TTabDirection { Forward, Backward };

// The window that Tab (Forward) or Shift+Tab (Backward) moves the focus to
// from `focus` inside `root`: the next or previous visible, enabled window
// with WS_TABSTOP in the order of the window tree (each window before its
// children, siblings in creation order), wrapping around at the ends. From a
// window that is no tab stop, nor inside one, the first or the last. Null
// when `root` holds no tab stop.
HWND NextTabStop(HWND root, HWND focus, TTabDirection direction);

// Answers a Tab key going down as a dialog does, for the framework form that
// holds the window it was typed into: the focus moves to the next tab stop,
// and an edit control reached this way has its text selected. Tab is left
// alone (false) when Ctrl or Alt is held, when the window takes Tab itself
// (DLGC_WANTTAB), when it is in no framework form, or when the form has no
// tab stop, so that the key goes on as a typed character.
bool MoveFocusOnTabKey(const MSG& message);

} // namespace orvane::framework
