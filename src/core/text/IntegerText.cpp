#include "core/text/IntegerText.h"

#include "core/base/Exception.h"

#include <limits>

namespace orvane {

std::string ConversionErrorMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::int32_t StrToInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        throw Exception(ConversionErrorMessage(text));

    // Accumulate in 64 bits so that the range check is exact at both ends.
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw Exception(ConversionErrorMessage(text));
        value = value * 10 + (c - '0');
        if (value > limit)
            throw Exception(ConversionErrorMessage(text));
    }
    if (!negative && value == limit)
        throw Exception(ConversionErrorMessage(text));
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace orvane
