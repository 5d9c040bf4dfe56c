#include "core/raster/Greyed.h"

namespace orvane {

namespace {

// Brightness weights of red, green and blue (ITU-R BT.601), in thousandths.
constexpr unsigned RedWeight = 299;
constexpr unsigned GreenWeight = 587;
constexpr unsigned BlueWeight = 114;
constexpr unsigned WeightSum = RedWeight + GreenWeight + BlueWeight;
static_assert(WeightSum == 1000);

constexpr unsigned FullChannel = 255;

constexpr Pixel GreyedPixel(Pixel pixel)
{
    const unsigned blue = pixel & 0xFFu;
    const unsigned green = (pixel >> 8) & 0xFFu;
    const unsigned red = (pixel >> 16) & 0xFFu;
    const unsigned brightness = (red * RedWeight + green * GreenWeight + blue * BlueWeight + WeightSum / 2) / WeightSum;
    // Halfway to white: black becomes mid grey, white stays white.
    const unsigned grey = FullChannel - (FullChannel - brightness) / 2;
    return (pixel & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
}

static_assert(GreyedPixel(0x00000000u) == 0x00808080u);
static_assert(GreyedPixel(0x80FFFFFFu) == 0x80FFFFFFu);

} // namespace

Bitmap Greyed(const Bitmap& source)
{
    Bitmap greyed(source);
    for (int y = 0; y < greyed.Height(); ++y) {
        Pixel* row = greyed.Row(y);
        for (int x = 0; x < greyed.Width(); ++x)
            row[x] = GreyedPixel(row[x]);
    }
    return greyed;
}

} // namespace orvane
