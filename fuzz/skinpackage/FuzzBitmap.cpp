// Windows bitmap files; what decodes must encode and decode to the same pixels.
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/SkinLimits.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The limit the skin reader decodes with.
    const auto bitmap = orvane::DecodeWindowsBitmap({data, size}, orvane::MaxSkinImagePixels);
    if (!bitmap)
        return 0;
    const auto again = orvane::DecodeWindowsBitmap(orvane::EncodeWindowsBitmap(*bitmap, 32), orvane::MaxSkinImagePixels);
    if (!again || !(*again == *bitmap))
        std::abort();
    return 0;
}
