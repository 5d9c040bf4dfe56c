#pragma once

#include <string>
#include <string_view>

namespace orvane::framework {

// The framework works in UTF-16 like the wide Windows functions; messages of
// the portable core (exceptions, texts) are UTF-8.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// Single-byte file text (the bank, saved games) as wide text and back: bytes
// 0..127 map to themselves; a wide character outside that range becomes '?'.
std::wstring WideFromAscii(std::string_view text);
std::string AsciiFromWide(std::wstring_view text);

// Compares two names without regard to case, as class and component names
// are compared.
bool SameText(std::wstring_view a, std::wstring_view b);

} // namespace orvane::framework
