#include "core/raster/SystemColors.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class FixedSystemColors : public SystemColorSource {
public:
    Color SystemColor(int index) const override { return index == 15 ? 0xC0C0C0u : 0x000000u; }
};

TEST(InvertColor, FlipsTheRgbOfPlainAndSystemColours)
{
    const FixedSystemColors system;
    EXPECT_EQ(InvertColor(0x123456, system), 0xEDCBA9u);
    EXPECT_EQ(InvertColor(0x8000000F, system), 0x3F3F3Fu); // system colour 15 resolved first
    EXPECT_EQ(ColorToRGB(0x8000000F, system), 0xC0C0C0u);
    EXPECT_EQ(ColorToRGB(0x00FF00, system), 0x00FF00u);
}

} // namespace
} // namespace orvane
