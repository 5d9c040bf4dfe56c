#include "core/skinmodel/TvelSkinRes.h"

namespace orvane {

void TvelSkinRes::SetReader(const TvelSkinReader* newReader)
{
    reader = newReader;
    Reload();
}

const Bitmap& TvelSkinRes::NoBitmap()
{
    static const Bitmap empty;
    return empty;
}

} // namespace orvane
