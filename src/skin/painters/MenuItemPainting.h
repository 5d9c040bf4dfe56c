#pragma once

#include <windows.h>

namespace orvane::framework {
class TCanvas;
class TMenuItem;
} // namespace orvane::framework

namespace orvane::skin {

class TSkinLook;

// The skinned look of an owner-drawn menu item: its size, and the item
// composed off screen in the skin's menu colours and the menu font, with its
// check mark or image, and shown in one copy. A main menu's top-level items
// keep the sizes the system gives them.
void MeasureSkinnedMenuItem(framework::TMenuItem& item, framework::TCanvas& canvas, int& width, int& height);
void DrawSkinnedMenuItem(const TSkinLook& look, framework::TMenuItem& item, framework::TCanvas& canvas, const RECT& rect,
                         bool selected);

} // namespace orvane::skin
