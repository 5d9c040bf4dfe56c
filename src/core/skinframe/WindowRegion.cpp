#include "core/skinframe/WindowRegion.h"

#include <algorithm>

namespace orvane {
namespace {

// Adds one band's rectangles, `top` being the band's first row in the window.
// Rows between minY and maxY (both -1 when the skin does not say: every row)
// are scanned for runs of opaque pixels; the rows before and after them are
// taken whole. Row values outside the band are held to it, so a skin's
// numbers never make the scan read outside the band's pixels.
void AddBand(std::vector<Rect>& region, const Bitmap& band, int top, int width, int minY, int maxY,
             Color transparent)
{
    const int bandHeight = band.Height();
    int firstRow = minY == -1 ? 0 : minY;
    int endRow = minY < maxY ? maxY + 1 : bandHeight;
    firstRow = std::clamp(firstRow, 0, bandHeight);
    endRow = std::clamp(endRow, firstRow, bandHeight);

    if (firstRow >= 1)
        region.push_back(Rect{0, top, width, top + firstRow});
    const int bandWidth = band.Width();
    for (int y = firstRow; y < endRow; ++y) {
        int x = 0;
        while (x < bandWidth) {
            while (x < bandWidth && band.ColorAt(x, y) == transparent)
                ++x;
            const int runStart = x;
            while (x < bandWidth && band.ColorAt(x, y) != transparent)
                ++x;
            if (x > runStart)
                region.push_back(Rect{runStart, top + y, x, top + y + 1});
        }
    }
    if (endRow < bandHeight)
        region.push_back(Rect{0, top + endRow, width, top + bandHeight});
}

} // namespace

std::vector<Rect> BuildWindowRegion(const Bitmap* titleBand, const Bitmap* bottomBand, int width, int height,
                                    const FrameMetrics& metrics)
{
    std::vector<Rect> region;
    const int th = titleBand ? titleBand->Height() : 0;
    const int bh = bottomBand ? bottomBand->Height() : 0;
    if (titleBand)
        AddBand(region, *titleBand, 0, width, metrics.titleRegionMinY, metrics.titleRegionMaxY,
                metrics.transparentColor);
    // Everything between the bands, side borders included, is always inside.
    const Rect middle{0, th, width, height - bh};
    if (!middle.Empty())
        region.push_back(middle);
    if (bottomBand)
        AddBand(region, *bottomBand, height - bh, width, metrics.bottomRegionMinY, metrics.bottomRegionMaxY,
                metrics.transparentColor);
    return region;
}

} // namespace orvane
