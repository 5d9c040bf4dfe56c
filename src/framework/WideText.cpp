#include "framework/WideText.h"

#include <cwctype>

namespace orvane::framework {

namespace {

constexpr wchar_t HighestAscii = 0x7F;

} // namespace

std::wstring WideFromAscii(std::string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text)
        wide += static_cast<unsigned char>(c) <= HighestAscii ? wchar_t(c) : L'?';
    return wide;
}

std::string AsciiFromWide(std::wstring_view text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (const wchar_t c : text)
        narrow += c <= HighestAscii ? char(c) : '?';
    return narrow;
}

bool SameText(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    return true;
}

} // namespace orvane::framework
