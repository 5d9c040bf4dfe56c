#include "core/skinframe/FrameMetrics.h"

#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinReader.h"

#include <algorithm>

namespace orvane {
namespace {

// Besides its end sections the title keeps room for three button frames (a
// sixth of the eighteen-frame strip) and 35 pixels more.
constexpr int ButtonStripSixths = 6;
constexpr int MinimumCaptionRoom = 35;

int ImageWidth(const TvelSkinReader& reader, int index)
{
    const Bitmap* bitmap = reader.GetBitmap(index);
    return bitmap ? bitmap->Width() : 0;
}

int ImageHeight(const TvelSkinReader& reader, int index)
{
    const Bitmap* bitmap = reader.GetBitmap(index);
    return bitmap ? bitmap->Height() : 0;
}

} // namespace

FrameMetrics FrameMetricsFromSkin(const TvelSkinReader& reader, Color inactiveCaptionColor)
{
    FrameMetrics metrics;
    metrics.dpi = reader.Dpi();
    metrics.titleHeight = ImageHeight(reader, SKIN2_TITLEBAR1);
    metrics.leftBorderWidth = ImageWidth(reader, SKIN2_FORMLEFTBORDER);
    metrics.rightBorderWidth = ImageWidth(reader, SKIN2_FORMRIGHTBORDER);
    metrics.bottomBorderHeight = ImageHeight(reader, SKIN2_FORMBOTTOMBORDER1);
    metrics.transparentColor = reader.GetColor(SKIN2_TRANSCOLOR);
    metrics.formColor = reader.GetColor(SKIN2_FORMCOLOR);
    metrics.activeCaptionColor = reader.GetColor(SKIN2_TITLEFONTCOLOR);
    metrics.inactiveCaptionColor = inactiveCaptionColor;
    metrics.iconX = reader.GetInt(SKIN2_TITLEBARICONPOSX);
    metrics.iconY = reader.GetInt(SKIN2_TITLEBARICONPOSY);
    metrics.captionTop = reader.GetInt(SKIN2_TITLEBARCAPTIONTOP);
    metrics.buttonX = reader.GetInt(SKIN2_TITLEBARBUTTONPOSX);
    metrics.buttonY = reader.GetInt(SKIN2_TITLEBARBUTTONPOSY);
    metrics.titleRegionMinY = reader.GetInt(SKIN2_TITLEBARREGIONMINY);
    metrics.titleRegionMaxY = reader.GetInt(SKIN2_TITLEBARREGIONMAXY);
    metrics.bottomRegionMinY = reader.GetInt(SKIN2_BOTTOMREGIONMINY);
    metrics.bottomRegionMaxY = reader.GetInt(SKIN2_BOTTOMREGIONMAXY);

    const int left = ImageWidth(reader, SKIN2_TITLEBAR1);
    const int right = ImageWidth(reader, SKIN2_TITLEBAR3);
    const int buttonRoom = ImageWidth(reader, SKIN2_TITLEBUTTONS) / ButtonStripSixths + metrics.Scaled(MinimumCaptionRoom);
    // With five sections TITLEBAR3 sits behind the caption and the right cap
    // is another image, so both widths count; with three it is the right cap
    // itself, which the button room may overlap.
    metrics.minimumFrameWidth =
        reader.GetFlag(SKIN2_TITLEFIVESECT) ? left + right + buttonRoom : left + std::max(right, buttonRoom);
    return metrics;
}

} // namespace orvane
