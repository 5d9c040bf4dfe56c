#include "core/play/HighlightColors.h"

namespace orvane {

namespace {

constexpr Color MissingPaletteColor = 0xFFFFFFFFu;
constexpr Color FallbackPeerShade = 0xF6ECE2;  // RGB(226, 236, 246)
constexpr Color FallbackDigitShade = 0xECD4BE; // RGB(190, 212, 236)
constexpr Color ConflictOrange = 0x0055CC;     // RGB(204, 85, 0)

// Peers are shaded lightly; the same digit a step stronger. A shade brighter
// than NearWhite would not show on the white cells.
constexpr int PeerBrightness = 225;
constexpr int DigitBrightness = 190;
constexpr int NearWhite = 248;

constexpr int Red(Color color) { return int(color & 0xFF); }
constexpr int Green(Color color) { return int((color >> 8) & 0xFF); }
constexpr int Blue(Color color) { return int((color >> 16) & 0xFF); }
constexpr Color FromChannels(int red, int green, int blue)
{
    return Color(red) | (Color(green) << 8) | (Color(blue) << 16);
}

Color ShadeFrom(Color palette, int brightness, Color fallback)
{
    if (palette == MissingPaletteColor || Luma(palette) >= NearWhite)
        return fallback;
    return PaledTo(palette & 0xFFFFFF, brightness);
}

} // namespace

int Luma(Color color) { return (299 * Red(color) + 587 * Green(color) + 114 * Blue(color)) / 1000; }

Color PaledTo(Color color, int brightness)
{
    const int luma = Luma(color);
    if (luma >= brightness)
        return color;
    // Mixing with white by t raises the brightness by (255 - luma) t.
    const int numerator = brightness - luma;
    const int denominator = 255 - luma;
    const auto mix = [&](int channel) {
        return channel + ((255 - channel) * numerator + denominator - 1) / denominator;
    };
    return FromChannels(mix(Red(color)), mix(Green(color)), mix(Blue(color)));
}

HighlightColors HighlightColorsFrom(Color hoverFill, Color pressedFill)
{
    return HighlightColors{ShadeFrom(hoverFill, PeerBrightness, FallbackPeerShade),
                           ShadeFrom(pressedFill, DigitBrightness, FallbackDigitShade), ConflictOrange};
}

} // namespace orvane
