#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// UTF-8 and wide text, the same on every platform: wide text is UTF-16 where
// wchar_t has 16 bits (Windows) and UTF-32 elsewhere. Malformed UTF-8 turns
// into U+FFFD; nothing is dropped, an embedded NUL included.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The length of the well-formed UTF-8 sequence that starts at byte `at`: 1
// for ASCII, 2 to 4 for a whole multi-byte sequence, 0 where none starts.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);
// Whether the whole text is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

// Single-byte file text as a message shows it: printable bytes as the
// characters of the Latin-1 range, control characters (below 32, 127 and
// 128..159) as '#' and their number, so that "#0" names a NUL byte.
std::wstring VisibleText(std::string_view bytes);

} // namespace orvane
