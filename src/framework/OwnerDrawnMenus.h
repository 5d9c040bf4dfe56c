#pragma once

#include "framework/TMessageLayers.h"

#include <windows.h>

namespace orvane::framework {

// Posted to the window that owns an open owner-drawn menu after a letter
// picked one of several items (WM_MENUCHAR answered with MNC_SELECT):
// WParam is the item's position, LParam the menu. Systems that do not honour
// MNC_SELECT (Wine beeps and leaves the highlight) get the item highlighted
// when this arrives.
constexpr UINT CM_MENULETTERSELECT = CM_BASE + 64;

// The messages of owner-drawn menu items, which carry their TMenuItem as
// item data: WM_MEASUREITEM and WM_DRAWITEM (the item measures or draws
// itself), WM_MENUCHAR (a letter typed in the open menu picks an item by
// its caption, which the system cannot read from an owner-drawn item) and
// CM_MENULETTERSELECT. Any window that owns a menu the framework made
// answers them so (forms, tool bars that drop menus down, skinned windows
// showing their system menu).
bool IsOwnerDrawnMenuMessage(const TMessage& message);
// Answers one of those messages; the window is the one that owns the menu.
void HandleOwnerDrawnMenuMessage(HWND window, TMessage& message);

} // namespace orvane::framework
