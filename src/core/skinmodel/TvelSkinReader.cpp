#include "core/skinmodel/TvelSkinReader.h"

#include "core/raster/ReplaceColor.h"
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
        fileReader = std::make_unique<Tsk2SkinFileReader>(packagePath, password);
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
    return fileReader->GetInteger(name);
}

bool TvelSkinReader::GetFlag(int index) const
{
    const std::string_view name = SkinKeyName(SkinKeyGroup::Flags, index);
    if (!fileReader || name.empty())
        return false;
    return fileReader->GetBool(name);
}

} // namespace orvane
