#include "core/skinmodel/TvelSkinReader.h"

#include "core/raster/ReplaceColor.h"
#include "core/raster/ScaleImage.h"
#include "core/skinmodel/SkinKeys.h"

#include <system_error>

namespace orvane {

TvelSkinReader::TvelSkinReader(const std::filesystem::path& packagePath, const std::string& password)
{
    Load(packagePath, password);
}

void TvelSkinReader::Load(const std::filesystem::path& packagePath, const std::string& password)
{
    fileReader.reset();
    ready = false;
    std::error_code error;
    if (!packagePath.empty() && std::filesystem::exists(packagePath, error)) {
        // The constructor throws for an unreadable package or a wrong
        // password; the reader then stays without a skin.
        fileReader = std::make_shared<Tsk2SkinFileReader>(packagePath, password);
        fileReader->SetImagesTransparentColor(GetColor(SKIN2_TRANSCOLOR));
        if (Bitmap* trackBar = GetBitmap(SKIN2_TRACKBAR))
            ReplaceColor(*trackBar, GetColor(SKIN2_TRANSCOLOR), GetColor(SKIN2_FORMCOLOR));
        ready = true;
    }
    if (OnLoaded)
        OnLoaded();
}

Bitmap* TvelSkinReader::GetBitmap(int index) const
{
    const std::string_view name = SkinKeyName(SkinKeyGroup::Images, index);
    if (!fileReader || name.empty())
        return nullptr;
    if (Bitmap* scaled = scaledImages[std::size_t(index & SkinKeyIndexMask)].get())
        return scaled;
    return fileReader->GetImage(name);
}

Color TvelSkinReader::GetColor(int index) const
{
    const std::string_view name = SkinKeyName(SkinKeyGroup::Colors, index);
    if (!fileReader || name.empty())
        return MissingColor;
    return Color(fileReader->GetInteger(name));
}

std::int32_t TvelSkinReader::GetInt(int index) const
{
    const std::string_view name = SkinKeyName(SkinKeyGroup::Integers, index);
    if (!fileReader || name.empty())
        return Missing;
    if (integersScaled)
        return scaledIntegers[std::size_t(index & SkinKeyIndexMask)];
    return fileReader->GetInteger(name);
}

std::unique_ptr<TvelSkinReader> TvelSkinReader::ScaledForDpi(unsigned targetDpi) const
{
    auto scaled = std::make_unique<TvelSkinReader>();
    scaled->fileReader = fileReader;
    scaled->ready = ready;
    scaled->dpi = targetDpi;
    if (!fileReader || targetDpi == dpi)
        return scaled;
    // The pictures the frame is composed of, and how many frames each holds
    // side by side.
    const struct {
        int index;
        int frames;
    } framePictures[] = {
        {SKIN2_TITLEBAR1, 1},        {SKIN2_TITLEBAR2, 1},         {SKIN2_TITLEBAR3, 1},
        {SKIN2_TITLEBAR4, 1},        {SKIN2_TITLEBAR5, 1},         {SKIN2_FORMLEFTBORDER, 1},
        {SKIN2_FORMRIGHTBORDER, 1},  {SKIN2_FORMBOTTOMBORDER1, 1}, {SKIN2_FORMBOTTOMBORDER2, 1},
        {SKIN2_FORMBOTTOMBORDER3, 1}, {SKIN2_MINIMIZEDTITLE, 1},    {SKIN2_MENUBAR, 1},
        {SKIN2_TITLEBUTTONS, ButtonStripFrames},
    };
    for (const auto& picture : framePictures)
        if (const Bitmap* image = GetBitmap(picture.index))
            scaled->scaledImages[std::size_t(picture.index)] =
                std::make_unique<Bitmap>(ScaleImageForDpi(*image, targetDpi, picture.frames));
    for (int index = 0; index < SkinIntegerCount; ++index) {
        const std::int32_t value = GetInt(index);
        // A missing number stays missing. The last rows of the region scans
        // are inclusive: the row becomes the last of the rows it grew into.
        const bool lastRow = index == SKIN2_TITLEBARREGIONMAXY || index == SKIN2_BOTTOMREGIONMAXY;
        scaled->scaledIntegers[std::size_t(index)] = value == Missing ? value
                                                     : lastRow        ? ScaleForDpi(value + 1, targetDpi) - 1
                                                                      : ScaleForDpi(value, targetDpi);
    }
    scaled->integersScaled = true;
    return scaled;
}

bool TvelSkinReader::GetFlag(int index) const
{
    const std::string_view name = SkinKeyName(SkinKeyGroup::Flags, index);
    if (!fileReader || name.empty())
        return false;
    return fileReader->GetBool(name);
}

} // namespace orvane
