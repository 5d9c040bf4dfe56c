#pragma once

#include <cstdint>

namespace orvane {

// A colour as the program stores it: 0x00BBGGRR (white 0xFFFFFF, red 0x0000FF).
using Color = std::uint32_t;

// A pixel as a 32-bit Windows DIB stores it: bytes B, G, R, X in memory, so
// 0xXXRRGGBB as a little-endian word. The X byte is kept as read.
using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(Color color)
{
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

constexpr Color ColorFromPixel(Pixel pixel)
{
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

} // namespace orvane
