#include "core/text/IntegerText.h"

#include "core/base/Exception.h"
#include "core/text/Utf8Text.h"

#include <limits>

namespace orvane {

std::string ConversionErrorMessage(std::string_view text)
{
    std::string message = "'";
    message += Utf8FromWide(VisibleText(text));
    message += "' is not a valid integer value";
    return message;
}

std::optional<std::int32_t> TryStrToInt(std::string_view text)
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
        return std::nullopt;

    // Accumulate in 64 bits so that the range check is exact at both ends.
    constexpr std::int64_t Int32Limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > Int32Limit)
            return std::nullopt;
    }
    if (!negative && value == Int32Limit)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t StrToInt(std::string_view text)
{
    const std::optional<std::int32_t> value = TryStrToInt(text);
    if (!value)
        throw Exception(ConversionErrorMessage(text));
    return *value;
}

std::optional<std::int64_t> WholeNumber(std::string_view text)
{
    constexpr std::size_t LargestDigitCount = 18;
    if (text.empty() || text.size() > LargestDigitCount)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace orvane
