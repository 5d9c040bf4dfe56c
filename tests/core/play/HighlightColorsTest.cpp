#include "core/play/HighlightColors.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr Color Missing = 0xFFFFFFFFu;

constexpr Color Rgb(int red, int green, int blue)
{
    return Color(red) | (Color(green) << 8) | (Color(blue) << 16);
}

TEST(HighlightColors, ComeFromThePaletteWhenItHasLightColours)
{
    // The built-in skin's hover and pressed fills are light enough as they are.
    const HighlightColors colors = HighlightColorsFrom(Rgb(0xDC, 0xEA, 0xF7), Rgb(0xBF, 0xD5, 0xEA));
    EXPECT_EQ(colors.peerShade, Rgb(0xDC, 0xEA, 0xF7));
    EXPECT_EQ(colors.digitShade, Rgb(0xBF, 0xD5, 0xEA));
    EXPECT_NE(colors.conflictText, Rgb(255, 0, 0)) << "apart from the error check's red";
}

TEST(HighlightColors, FallBackWithoutASkinAndPaleDarkColours)
{
    const HighlightColors fallback = HighlightColorsFrom(Missing, Missing);
    EXPECT_GT(Luma(fallback.peerShade), Luma(fallback.digitShade)) << "peers lighter than the same digit";
    EXPECT_GE(Luma(fallback.digitShade), 190);
    EXPECT_EQ(HighlightColorsFrom(Rgb(255, 255, 255), Rgb(250, 250, 250)), fallback) << "white would not show";

    // A dark skin's fills (a slate blue, a near black) are paled: the digits
    // stay readable on them, and the hue stays.
    const HighlightColors pale = HighlightColorsFrom(Rgb(0x47, 0x51, 0x60), Rgb(0x10, 0x10, 0x10));
    EXPECT_GE(Luma(pale.peerShade), 225);
    EXPECT_LE(Luma(pale.peerShade), 227);
    EXPECT_GE(Luma(pale.digitShade), 190);
    EXPECT_GT(pale.peerShade >> 16 & 0xFF, pale.peerShade & 0xFF) << "still bluer than red";
}

} // namespace
} // namespace orvane
