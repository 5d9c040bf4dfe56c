#pragma once

#include "core/raster/Bitmap.h"

#include <optional>

namespace orvane::skin {

// A bitmap resource of the program as 32-bit top-down pixels; nothing when
// the program has none of that name.
std::optional<Bitmap> LoadBitmapResource(const wchar_t* name);

} // namespace orvane::skin
