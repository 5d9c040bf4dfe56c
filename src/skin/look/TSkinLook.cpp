#include "skin/look/TSkinLook.h"

#include "core/raster/CutFrame.h"
#include "core/skinmodel/SkinKeys.h"

namespace orvane::skin {

TSkinLook::TSkinLook(Color inactiveCaptionColor) : TSkinLook(std::make_unique<TvelSkinReader>(), inactiveCaptionColor)
{
}

TSkinLook::TSkinLook(std::unique_ptr<TvelSkinReader> skin, Color inactiveCaptionColor) : reader(std::move(skin))
{
    metrics.inactiveCaptionColor = inactiveCaptionColor;
    if (!reader->Ready())
        return;
    metrics = FrameMetricsFromSkin(*reader, inactiveCaptionColor);
    formBrush = framework::TBrushHandle(CreateSolidBrush(COLORREF(metrics.formColor)));
    for (int index = 0; index < MenuColorCount; ++index)
        menuColors[std::size_t(index)] = reader->GetColor(SKIN2_MENUBARSTARTCOLOR + index);
    scrollButtons.SetReader(reader.get());
    progressBars.SetReader(reader.get());
    tabs.SetReader(reader.get());
}

const TSkinLook& TSkinLook::ForDpi(unsigned dpi) const
{
    if (dpi == 0 || dpi == metrics.dpi || !Ready())
        return *this;
    std::unique_ptr<TSkinLook>& scaled = scaledLooks[dpi];
    if (!scaled)
        scaled = std::make_unique<TSkinLook>(reader->ScaledForDpi(dpi), metrics.inactiveCaptionColor);
    return *scaled;
}

bool TSkinLook::GetSkinBitmap(int index, Bitmap& target, int count, int frame) const
{
    const Bitmap* image = reader->GetBitmap(index);
    if (!image)
        return false;
    if (count != 0 && frame != 0)
        CutFrame(image, target, count, frame);
    else
        target = *image;
    return true;
}

} // namespace orvane::skin
