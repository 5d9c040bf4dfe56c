#include "core/skinmodel/TvelSkinProgressBarRes.h"

#include "core/raster/Rotate.h"
#include "core/skinmodel/SkinKeys.h"

namespace orvane {

const Bitmap& TvelSkinProgressBarRes::Bars(int index) const
{
    return index >= 1 && index <= PieceCount ? bars[std::size_t(index - 1)] : NoBitmap();
}

const Bitmap& TvelSkinProgressBarRes::VertBars(int index) const
{
    return index >= 1 && index <= PieceCount ? vertBars[std::size_t(index - 1)] : NoBitmap();
}

void TvelSkinProgressBarRes::Reload()
{
    bars.fill(Bitmap());
    vertBars.fill(Bitmap());
    firstWidth = 0;
    lastWidth = 0;
    if (!ReaderReady())
        return;
    for (int i = 0; i < PieceCount; ++i) {
        const Bitmap* piece = reader->GetBitmap(SKIN2_PROGRESSBAR1 + i);
        bars[std::size_t(i)] = piece != nullptr ? *piece : Bitmap();
        vertBars[std::size_t(i)] = bars[std::size_t(i)];
        RotateCCW90(vertBars[std::size_t(i)]);
    }
    firstWidth = bars[0].Width();
    lastWidth = bars[PieceCount - 1].Width();
}

} // namespace orvane
