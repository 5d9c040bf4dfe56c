#include "core/skinframe/FrameMetrics.h"

#include "FrameSkin.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::FrameSkin;
using test::FrameSkinOptions;

TEST(FrameMetrics, ComeFromTheSkinsImagesColoursAndNumbers)
{
    const FrameSkin skin;
    const FrameMetrics& metrics = skin.Metrics();
    EXPECT_EQ(metrics.titleHeight, 6);
    EXPECT_EQ(metrics.leftBorderWidth, 2);
    EXPECT_EQ(metrics.rightBorderWidth, 3);
    EXPECT_EQ(metrics.bottomBorderHeight, 2);
    EXPECT_EQ(metrics.transparentColor, test::TransparentColor);
    EXPECT_EQ(metrics.formColor, test::FormColor);
    EXPECT_EQ(metrics.activeCaptionColor, test::CaptionColor);
    EXPECT_EQ(metrics.inactiveCaptionColor, test::InactiveCaptionColor);
    EXPECT_EQ(metrics.iconX, 3);
    EXPECT_EQ(metrics.iconY, 1);
    EXPECT_EQ(metrics.captionTop, 2);
    EXPECT_EQ(metrics.buttonX, 2);
    EXPECT_EQ(metrics.buttonY, 2);
    // The skin gives no region rows.
    EXPECT_EQ(metrics.titleRegionMinY, -1);
    EXPECT_EQ(metrics.titleRegionMaxY, -1);
    EXPECT_EQ(metrics.bottomRegionMinY, -1);
    EXPECT_EQ(metrics.bottomRegionMaxY, -1);
}

TEST(FrameMetrics, MinimumWidthCountsTheButtonRoomBesideOrAfterTheLastSection)
{
    // TITLEBAR1 5, TITLEBAR3 3, button strip 54 wide: 54 div 6 + 35 = 44.
    EXPECT_EQ(FrameSkin({.fiveSections = false}).Metrics().minimumFrameWidth, 5 + 44);
    EXPECT_EQ(FrameSkin({.fiveSections = true}).Metrics().minimumFrameWidth, 5 + 3 + 44);
}

TEST(FrameMetrics, ASkinWithoutTheImagesGivesAFrameOfNoSize)
{
    const TvelSkinReader empty;
    const FrameMetrics metrics = FrameMetricsFromSkin(empty, 0x123456);
    EXPECT_EQ(metrics.titleHeight, 0);
    EXPECT_EQ(metrics.leftBorderWidth, 0);
    EXPECT_EQ(metrics.bottomBorderHeight, 0);
    EXPECT_EQ(metrics.minimumFrameWidth, 35);
    EXPECT_EQ(metrics.titleRegionMinY, -1);
    EXPECT_EQ(metrics.inactiveCaptionColor, 0x123456u);
}

} // namespace
} // namespace orvane
