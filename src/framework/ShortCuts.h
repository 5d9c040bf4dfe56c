#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace orvane::framework {

// A key with its modifiers, as menu items carry it: the virtual-key code in
// the low byte and the modifier flags above it. 0 is no short-cut.
using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(WORD virtualKey, TShortCut modifiers) { return TShortCut((virtualKey & 0xFF) | modifiers); }

// The short-cut a key press makes with the modifiers held now.
TShortCut ShortCutFromKey(WPARAM virtualKey);

// "Ctrl+N", "Shift+F5", "Alt+Del": the text shown beside a menu item.
std::wstring ShortCutToText(TShortCut shortCut);

} // namespace orvane::framework
