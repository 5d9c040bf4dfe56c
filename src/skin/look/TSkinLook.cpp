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
