#include "core/raster/EllipsizeText.h"

namespace orvane {
namespace {

template <typename Char>
std::basic_string<Char> Ellipsize(const TextMeasurer& measurer, std::basic_string_view<Char> text, int width)
{
    static constexpr Char Ellipsis[] = {Char('.'), Char('.'), Char('.'), Char(0)};
    if (measurer.TextWidth(text) <= width)
        return std::basic_string<Char>(text);
    for (std::size_t i = 1; i < text.size(); ++i) {
        std::basic_string<Char> candidate(text.substr(0, i));
        candidate += Ellipsis;
        if (measurer.TextWidth(std::basic_string_view<Char>(candidate)) >= width)
            return candidate;
    }
    return std::basic_string<Char>(text);
}

} // namespace

std::string EllipsizeText(const TextMeasurer& measurer, std::string_view text, int width)
{
    return Ellipsize<char>(measurer, text, width);
}

std::wstring EllipsizeText(const TextMeasurer& measurer, std::wstring_view text, int width)
{
    return Ellipsize<wchar_t>(measurer, text, width);
}

} // namespace orvane
