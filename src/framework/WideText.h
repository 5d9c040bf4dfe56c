#pragma once

#include "core/text/Utf8Text.h"

#include <string>
#include <string_view>

namespace orvane::framework {

// The framework works in UTF-16 like the wide Windows functions; texts of the
// portable core are UTF-8.
using orvane::Utf8FromWide;
using orvane::WideFromUtf8;

// Single-byte file text (the bank, saved games) as wide text and back: bytes
// 0..127 map to themselves; a wide character outside that range becomes '?'.
std::wstring WideFromAscii(std::string_view text);
std::string AsciiFromWide(std::wstring_view text);

// Compares two names without regard to case, as class and component names
// are compared.
bool SameText(std::wstring_view a, std::wstring_view b);

} // namespace orvane::framework
