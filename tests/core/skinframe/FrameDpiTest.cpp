// The frame of a skin scaled for another DPI: its metrics and places are the
// 96-DPI ones scaled, and at a whole factor its composed title is the 96-DPI
// title with every pixel repeated.
#include "core/base/DpiScale.h"
#include "core/raster/ScaleImage.h"
#include "core/skinframe/TitleBand.h"
#include "core/skinmodel/SkinKeys.h"

#include "FrameSkin.h"
#include "Pictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::FixedWidthFont;
using test::FrameSkin;
using test::FrameSkinOptions;
using test::TestWindow;

FrameWindow Scaled(FrameWindow window, unsigned dpi)
{
    window.width = ScaleForDpi(window.width, dpi);
    window.height = ScaleForDpi(window.height, dpi);
    window.titleHeight = ScaleForDpi(window.titleHeight, dpi);
    window.origTopHeight = ScaleForDpi(window.origTopHeight, dpi);
    return window;
}

TEST(FrameAtDpi, TheMetricsOfTheScaledSkinAreThoseAt96Scaled)
{
    const FrameSkin skin;
    const FrameMetrics& base = skin.Metrics();
    for (unsigned dpi : {120u, 144u, 192u}) {
        const auto reader = skin.Reader().ScaledForDpi(dpi);
        const FrameMetrics metrics = FrameMetricsFromSkin(*reader, test::InactiveCaptionColor);
        EXPECT_EQ(metrics.dpi, dpi);
        const struct {
            const char* name;
            int at96, scaled;
        } lengths[] = {
            {"title height", base.titleHeight, metrics.titleHeight},
            {"left border", base.leftBorderWidth, metrics.leftBorderWidth},
            {"right border", base.rightBorderWidth, metrics.rightBorderWidth},
            {"bottom border", base.bottomBorderHeight, metrics.bottomBorderHeight},
            {"icon x", base.iconX, metrics.iconX},
            {"icon y", base.iconY, metrics.iconY},
            {"caption top", base.captionTop, metrics.captionTop},
            {"button x", base.buttonX, metrics.buttonX},
            {"button y", base.buttonY, metrics.buttonY},
        };
        for (const auto& length : lengths)
            EXPECT_EQ(length.scaled, ScaleForDpi(length.at96, dpi)) << length.name << " at " << dpi;
        // Frames of the button strip are scaled apart, so the least width
        // may round differently from the whole at fractional factors.
        EXPECT_NEAR(metrics.minimumFrameWidth, ScaleForDpi(base.minimumFrameWidth, dpi), 2) << dpi;
        // Missing numbers stay missing; colours and flags are the skin's.
        EXPECT_EQ(metrics.titleRegionMinY, -1);
        EXPECT_EQ(metrics.bottomRegionMaxY, -1);
        EXPECT_EQ(metrics.transparentColor, base.transparentColor);
        EXPECT_EQ(metrics.formColor, base.formColor);
        EXPECT_EQ(reader->GetFlag(SKIN2_TITLEFIVESECT), skin.Reader().GetFlag(SKIN2_TITLEFIVESECT));
        // The strip still cuts into its 18 frames.
        EXPECT_EQ(reader->GetBitmap(SKIN2_TITLEBUTTONS)->Width() % ButtonStripFrames, 0);
    }
}

TEST(FrameAtDpi, At192DpiTheTitleIsThe96DpiTitleWithEveryPixelDoubled)
{
    constexpr unsigned Dpi = 192;
    FrameWindow withIcon = TestWindow(60);
    withIcon.hasSystemIcon = true;
    withIcon.hasMaximizeButton = true;
    withIcon.hasHelpButton = true;
    FrameWindow minimized = TestWindow(50);
    minimized.show = FrameWindowShow::Minimized;
    FrameWindow hot = TestWindow(40);
    hot.hotPart = ClosePart;
    const struct {
        const char* name;
        FrameSkinOptions options;
        FrameWindow window;
    } cases[] = {
        {"three sections", {}, TestWindow(40)},
        {"five sections", {.fiveSections = true}, TestWindow(40)},
        {"icon, maximize and help", {.transparentButtons = true}, withIcon},
        {"minimized", {}, minimized},
        {"hot close button", {}, hot},
        // (A window too narrow for its buttons squeezes the left section by
        // stretching it, which samples a doubled picture at other columns.)
    };
    for (const auto& c : cases) {
        const FrameSkin skin(c.options);
        const auto reader = skin.Reader().ScaledForDpi(Dpi);
        const FrameMetrics metrics = FrameMetricsFromSkin(*reader, test::InactiveCaptionColor);
        const FrameWindow large = Scaled(c.window, Dpi);

        const TitleLayout small = LayOutTitle(skin.Reader(), skin.Metrics(), c.window);
        const TitleLayout layout = LayOutTitle(*reader, metrics, large);
        ASSERT_EQ(layout.buttonCount, small.buttonCount) << c.name;
        for (int index = 0; index < layout.buttonCount; ++index) {
            const Rect& at96 = small.buttons[std::size_t(index)].drawn;
            const Rect& drawn = layout.buttons[std::size_t(index)].drawn;
            EXPECT_EQ(drawn.left, 2 * at96.left) << c.name << " button " << index;
            EXPECT_EQ(drawn.top, 2 * at96.top) << c.name << " button " << index;
            EXPECT_EQ(drawn.Width(), 2 * at96.Width()) << c.name << " button " << index;
            EXPECT_EQ(drawn.Height(), 2 * at96.Height()) << c.name << " button " << index;
        }
        EXPECT_EQ(layout.iconRect.left, 2 * small.iconRect.left) << c.name;
        EXPECT_EQ(layout.iconRect.top, 2 * small.iconRect.top) << c.name;
        EXPECT_EQ(layout.iconRect.Width(), 2 * small.iconRect.Width()) << c.name;
        EXPECT_EQ(layout.captionX, 2 * small.captionX) << c.name;
        EXPECT_EQ(layout.captionTop, 2 * small.captionTop) << c.name;
        EXPECT_EQ(layout.buttonsLeft, 2 * small.buttonsLeft) << c.name;
        EXPECT_EQ(layout.buttonReserve, 2 * small.buttonReserve) << c.name;

        Bitmap band96(c.window.width, TitleBandHeight(c.window));
        Bitmap band(large.width, TitleBandHeight(large));
        {
            Canvas canvas96(band96);
            ComposeTitleBand(skin.Reader(), skin.Metrics(), c.window, small, FixedWidthFont{}, canvas96);
            Canvas canvas(band);
            ComposeTitleBand(*reader, metrics, large, layout, FixedWidthFont{}, canvas);
        }
        EXPECT_EQ(test::Rows(band), test::Rows(ScaleImageForDpi(band96, Dpi))) << c.name;
    }
}

} // namespace
} // namespace orvane
