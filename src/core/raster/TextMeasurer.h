#pragma once

#include <string_view>

namespace orvane {

// Measures text in the font of a drawing surface. On Windows a device context
// with its selected font answers (GetTextExtentPoint32); tests use a fixed
// width per character.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextWidth(std::wstring_view text) const = 0;
};

} // namespace orvane
