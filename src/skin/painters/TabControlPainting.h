#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace orvane::skin {

class TSkinLook;

// Paints a system tab window from the skin, onto the window, in one copy:
// the page outlined in the control border colour, each tab from the skin's
// tab images (the first frame for the selected tab, the second for the
// others) with its picture and caption, and the line image along the page's
// edge that the tabs stand on. The captions are in `font`, else in the font
// the window was given; `tabText` gives the caption of tab n, else the
// window's own tab texts are shown. Nothing without a window.
void PaintSkinnedTabs(const TSkinLook& look, HWND window, HFONT font = nullptr,
                      const std::function<std::wstring(int)>& tabText = {});

// The caption of tab n as the system window holds it.
std::wstring SystemTabText(HWND window, int index);

} // namespace orvane::skin
