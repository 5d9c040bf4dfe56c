#include "core/raster/StretchHalftone.h"

#include "core/raster/AreaWeights.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvane {
namespace {

using Sums = std::array<std::uint64_t, 3>; // blue, green, red

} // namespace

void StretchHalftone(const Bitmap& bitmap, Canvas& canvas, const Rect& destination)
{
    StretchHalftoneRect(bitmap, Rect{0, 0, bitmap.Width(), bitmap.Height()}, canvas, destination);
}

void StretchHalftoneRect(const Bitmap& bitmap, const Rect& sourceRect, Canvas& canvas, const Rect& destination)
{
    const Rect source = Intersect(sourceRect, Rect{0, 0, bitmap.Width(), bitmap.Height()});
    if (source.Empty() || destination.Empty() || Intersect(destination, canvas.Bounds()).Empty())
        return;
    const int sw = source.Width(), sh = source.Height();
    const int dw = destination.Width(), dh = destination.Height();
    const auto columns = Contributions(sw, dw);
    const auto rows = Contributions(sh, dh);

    // Horizontal pass: every source row averaged into dw columns (sums scaled by sw).
    std::vector<Sums> across(std::size_t(sh) * std::size_t(dw));
    for (int y = 0; y < sh; ++y) {
        const Pixel* row = bitmap.Row(source.top + y);
        for (int d = 0; d < dw; ++d) {
            Sums sums{};
            for (const Contribution& c : columns[std::size_t(d)]) {
                const Pixel p = row[source.left + c.source];
                sums[0] += c.weight * (p & 0xFFu);
                sums[1] += c.weight * ((p >> 8) & 0xFFu);
                sums[2] += c.weight * ((p >> 16) & 0xFFu);
            }
            across[std::size_t(y) * std::size_t(dw) + std::size_t(d)] = sums;
        }
    }

    // Vertical pass, then rounding by the full weight sw * sh.
    const std::uint64_t total = std::uint64_t(sw) * std::uint64_t(sh);
    const PixelView& target = canvas.Target();
    const Rect bounds = canvas.Bounds();
    for (int d = 0; d < dh; ++d) {
        const int y = destination.top + d;
        if (y < bounds.top || y >= bounds.bottom)
            continue;
        for (int c = 0; c < dw; ++c) {
            const int x = destination.left + c;
            if (x < bounds.left || x >= bounds.right)
                continue;
            Sums sums{};
            for (const Contribution& r : rows[std::size_t(d)]) {
                const Sums& s = across[std::size_t(r.source) * std::size_t(dw) + std::size_t(c)];
                for (int channel = 0; channel < 3; ++channel)
                    sums[std::size_t(channel)] += r.weight * s[std::size_t(channel)];
            }
            Pixel pixel = 0;
            for (int channel = 0; channel < 3; ++channel)
                pixel |= Pixel((sums[std::size_t(channel)] + total / 2) / total) << (8 * channel);
            target.At(x, y) = pixel;
        }
    }
}

} // namespace orvane
