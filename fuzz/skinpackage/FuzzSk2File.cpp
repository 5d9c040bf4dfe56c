// The SK2 record chain and the bitmaps of its image entries.
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/Sk2File.h"
#include "core/skinpackage/SkinLimits.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto entries = orvane::ReadSk2File({data, size});
    if (!entries)
        return 0;
    for (const orvane::Sk2Entry& entry : *entries) {
        if (entry.type == orvane::Sk2EntryType::Image)
            orvane::DecodeWindowsBitmap(entry.data, orvane::MaxSkinImagePixels);
    }
    return 0;
}
