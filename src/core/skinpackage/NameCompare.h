#pragma once

#include <algorithm>
#include <string_view>

namespace orvane {

// Entry and key names compare without regard to ASCII letter case, as the
// package directory and the skin's key tables are looked up.
inline bool NamesEqualIgnoringCase(std::string_view a, std::string_view b)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

} // namespace orvane
