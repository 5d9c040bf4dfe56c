#pragma once

#include <windows.h>

namespace orvane::skinview {

// A dialog the system makes from a template, with the plain system
// controls the skin engine dresses in other programs' dialogs: push
// buttons, check boxes (one greyed), radio buttons, a group box, a combo
// box, an edit box, a list box with a scroll bar and a tab control. Modal;
// returns when it is closed.
void ShowPlainControlsDialog(HWND owner);

} // namespace orvane::skinview
