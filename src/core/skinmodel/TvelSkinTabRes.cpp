#include "core/skinmodel/TvelSkinTabRes.h"

#include "core/raster/CutFrame.h"
#include "core/raster/Rotate.h"
#include "core/skinmodel/SkinKeys.h"

namespace orvane {
namespace {

constexpr int TabFrames = 2;
constexpr int ActiveTabFrame = 1;
constexpr int InactiveTabFrame = 2;

// Fills four consecutive places with the image and its three turns.
void PutWithTurns(Bitmap* places, const Bitmap& image)
{
    places[0] = image;
    places[1] = image;
    RotateCCW90(places[1]);
    places[2] = image;
    Rotate180(places[2]);
    places[3] = image;
    RotateCW90(places[3]);
}

} // namespace

const Bitmap& TvelSkinTabRes::Bitmaps(int index) const
{
    return index >= 1 && index <= BitmapCount ? bitmaps[std::size_t(index - 1)] : NoBitmap();
}

void TvelSkinTabRes::Reload()
{
    bitmaps.fill(Bitmap());
    if (reader == nullptr)
        return;
    const Bitmap* line = reader->GetBitmap(SKIN2_TABCONTROLLINE);
    const Bitmap* tabs = reader->GetBitmap(SKIN2_TABCONTROL);
    PutWithTurns(&bitmaps[0], line != nullptr ? *line : Bitmap());
    Bitmap frame;
    CutFrame(tabs, frame, TabFrames, InactiveTabFrame);
    PutWithTurns(&bitmaps[OrientationCount], frame);
    frame = Bitmap();
    CutFrame(tabs, frame, TabFrames, ActiveTabFrame);
    PutWithTurns(&bitmaps[2 * OrientationCount], frame);
}

} // namespace orvane
