#include "core/raster/CutFrame.h"

namespace orvane {

void CutFrame(const Bitmap* source, Bitmap& target, int count, int index)
{
    if (source == nullptr || count <= 0)
        return;
    const int frameWidth = source->Width() / count;
    const int height = source->Height();
    const int left = (index - 1) * frameWidth;
    target.SetSize(frameWidth, height);
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x)
            if (source->Contains(left + x, y))
                target.At(x, y) = source->At(left + x, y);
}

} // namespace orvane
