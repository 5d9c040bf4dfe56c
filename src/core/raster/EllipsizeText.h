#pragma once

#include "core/raster/TextMeasurer.h"

#include <string>
#include <string_view>

namespace orvane {

// Shortens a caption to a width with "...": a text that fits is returned as
// it is; otherwise the first candidate "first i characters + ..." (i = 1, 2,
// ...) that is at least as wide as the given width, so the result may be up
// to one character wider than the space. A text for which no shorter candidate
// reaches the width is returned whole.
std::string EllipsizeText(const TextMeasurer& measurer, std::string_view text, int width);
std::wstring EllipsizeText(const TextMeasurer& measurer, std::wstring_view text, int width);

} // namespace orvane
