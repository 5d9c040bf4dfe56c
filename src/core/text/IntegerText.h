#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Converts decimal text to a 32-bit integer: optional leading blanks, an
// optional sign, then decimal digits to the end of the text. Anything else,
// the empty text included, throws Exception with the message
// "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// The same conversion as a value: nothing where StrToInt throws.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The message of the conversion error for a text, in UTF-8. Control
// characters of the text appear as '#' and their number ("'#0' is not a
// valid integer value" for a NUL), other bytes as Latin-1 characters.
std::string ConversionErrorMessage(std::string_view text);

// A count written by the program itself: digits only, no sign or blanks, at
// most 18 of them so that it cannot overflow. Nothing for anything else.
std::optional<std::int64_t> WholeNumber(std::string_view text);

} // namespace orvane
