#pragma once

#include "core/raster/Bitmap.h"

#include <string>
#include <vector>

namespace orvane::test {

// Small bitmaps written as text: each character is one pixel whose colour is
// the character's code (so 'A' is 0x000041), and back. Pixels whose colour is
// no printable character read as '?'.
Bitmap Picture(const std::vector<std::string>& rows);
std::vector<std::string> Rows(const Bitmap& bitmap);

} // namespace orvane::test
