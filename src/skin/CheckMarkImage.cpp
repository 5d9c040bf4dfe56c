#include "skin/CheckMarkImage.h"

#include "skin/BitmapResource.h"

#include <optional>

namespace orvane::skin {

namespace {

constexpr Color ResourceTransparentColor = 0xFFFFFF;

std::optional<Bitmap>& Current()
{
    static std::optional<Bitmap> image = [] {
        std::optional<Bitmap> loaded = LoadBitmapResource(TCheckMarkImage::ResourceName);
        if (loaded) {
            loaded->Transparent = true;
            loaded->TransparentColor = ResourceTransparentColor;
        }
        return loaded;
    }();
    return image;
}

} // namespace

const wchar_t* const TCheckMarkImage::ResourceName = L"VELSKIN_MENU_CHECKED";

const Bitmap* TCheckMarkImage::Get()
{
    const auto& image = Current();
    return image ? &*image : nullptr;
}

void TCheckMarkImage::Replace(const Bitmap& image, Color transparentColor)
{
    Bitmap replacement = image;
    replacement.Transparent = true;
    replacement.TransparentColor = transparentColor;
    Current() = std::move(replacement);
}

} // namespace orvane::skin
