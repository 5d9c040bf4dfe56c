#include "skin/GdiTextMeasurer.h"

namespace orvane::skin {

int TGdiTextMeasurer::TextWidth(std::string_view text) const
{
    SIZE size{};
    if (text.empty() || !GetTextExtentPoint32A(dc, text.data(), int(text.size()), &size))
        return 0;
    return size.cx;
}

int TGdiTextMeasurer::TextWidth(std::wstring_view text) const
{
    SIZE size{};
    if (text.empty() || !GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size))
        return 0;
    return size.cx;
}

} // namespace orvane::skin
