#pragma once

#include "core/raster/Bitmap.h"

namespace orvane::skin {

// The picture of checked menu items, one for the process: the program's
// bitmap resource "VELSKIN_MENU_CHECKED" (white is transparent) until a skin
// brings its own image, which then takes its place, masked with the skin's
// transparent colour.
class TCheckMarkImage {
public:
    static const wchar_t* const ResourceName;

    // Null when neither the resource nor a skin gave one.
    static const Bitmap* Get();
    static void Replace(const Bitmap& image, Color transparentColor);
};

} // namespace orvane::skin
