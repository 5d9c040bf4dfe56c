#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orvane::skin {

// A window's text as wide text through "InternalGetWindowText" (which never
// sends a message, so it is safe on a window that is busy); empty off the NT
// line or where the function is missing.
std::wstring GetWindowTextWide(HWND window);

// A window's text in the ANSI code page, at most 259 characters.
std::string GetAnsiWindowText(HWND window);

// A window's class name as it is, and in upper case (ANSI), at most 100
// characters: the engine's lists and registries compare them so.
std::wstring WindowClassName(HWND window);
std::string UpperAnsiClassName(HWND window);

// The caption without its "&" hot-key marks.
std::wstring StripAmpersands(std::wstring_view caption);

} // namespace orvane::skin
