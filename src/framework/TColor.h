#pragma once

#include <windows.h>

#include <cstdint>

namespace orvane::framework {

// A colour: 0x00BBGGRR, or a system colour code (clSystemColor or'ed with a
// COLOR_* index) that is resolved when something is drawn.
using TColor = std::int32_t;

constexpr TColor clSystemColor = std::int32_t(0xFF000000u);
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clGray = 0x808080;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clWindowFrame = clSystemColor | COLOR_WINDOWFRAME;

// The RGB value of a colour, system colours looked up now.
COLORREF ColorToRGB(TColor color);

} // namespace orvane::framework
