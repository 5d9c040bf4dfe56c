#pragma once

#include "core/raster/TextMeasurer.h"

#include <windows.h>

namespace orvane::skin {

// Text widths in the font selected into a device context.
class TGdiTextMeasurer : public TextMeasurer {
public:
    explicit TGdiTextMeasurer(HDC measuringDc) : dc(measuringDc) {}
    int TextWidth(std::string_view text) const override;
    int TextWidth(std::wstring_view text) const override;

private:
    HDC dc;
};

} // namespace orvane::skin
