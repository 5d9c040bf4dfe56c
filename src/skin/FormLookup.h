#pragma once

#include <windows.h>

namespace orvane::framework {
class TCustomForm;
}

namespace orvane::skin {

// The framework form whose window this is, or null.
framework::TCustomForm* FindFormByHandle(HWND window);

// Whether a form shows as the active one: a skinned window says so itself;
// otherwise an MDI child is active when it is its frame's active child, and
// any other form when its window is the active window.
bool IsFormActive(framework::TCustomForm& form);

} // namespace orvane::skin
