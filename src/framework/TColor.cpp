#include "framework/TColor.h"

namespace orvane::framework {

namespace {

constexpr std::uint32_t SystemColorIndexMask = 0xFF;
constexpr std::uint32_t ColorValueMask = 0xFFFFFF;

} // namespace

COLORREF ColorToRGB(TColor color)
{
    if (color < 0)
        return GetSysColor(int(std::uint32_t(color) & SystemColorIndexMask));
    return COLORREF(std::uint32_t(color) & ColorValueMask);
}

} // namespace orvane::framework
