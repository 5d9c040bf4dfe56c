#pragma once

#include "framework/TMessageLayers.h"

#include <windows.h>

namespace orvane::framework {

// WM_MEASUREITEM and WM_DRAWITEM of owner-drawn menu items, which carry their
// TMenuItem as item data: the item measures or draws itself. Any window that
// owns a menu the framework made can answer them so (forms, tool bars that
// drop menus down, skinned windows showing their system menu).
bool IsOwnerDrawnMenuMessage(const TMessage& message);
// Answers one of those messages; the window is the one the menu measures on.
void HandleOwnerDrawnMenuMessage(HWND window, TMessage& message);

} // namespace orvane::framework
