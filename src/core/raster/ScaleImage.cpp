#include "core/raster/ScaleImage.h"

#include "core/base/DpiScale.h"
#include "core/raster/AreaWeights.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvane {
namespace {

// Source rectangle (left, width, height) into target at (targetLeft, 0),
// targetWidth x targetHeight, each target pixel repeating one source pixel.
void ScaleFrameNearest(const Bitmap& image, int left, int width, Bitmap& target, int targetLeft, int targetWidth,
                       int targetHeight)
{
    for (int y = 0; y < targetHeight; ++y) {
        const Pixel* source = image.Row(int(std::int64_t(y) * image.Height() / targetHeight));
        Pixel* row = target.Row(y) + targetLeft;
        for (int x = 0; x < targetWidth; ++x)
            row[x] = source[left + int(std::int64_t(x) * width / targetWidth)];
    }
}

// The same by area averaging, transparent pixels kept apart (see the header).
void ScaleFrameAveraged(const Bitmap& image, int left, int width, Bitmap& target, int targetLeft, int targetWidth,
                        int targetHeight)
{
    const auto columns = Contributions(width, targetWidth);
    const auto rows = Contributions(image.Height(), targetHeight);
    const bool keyed = image.Transparent;
    const Color key = image.TransparentColor;
    for (int y = 0; y < targetHeight; ++y) {
        Pixel* row = target.Row(y) + targetLeft;
        for (int x = 0; x < targetWidth; ++x) {
            std::array<std::uint64_t, 3> sums{}; // blue, green, red of the opaque pixels
            std::uint64_t opaque = 0;
            std::uint64_t transparent = 0;
            for (const Contribution& r : rows[std::size_t(y)]) {
                const Pixel* source = image.Row(r.source) + left;
                for (const Contribution& c : columns[std::size_t(x)]) {
                    const Pixel pixel = source[c.source];
                    const std::uint64_t weight = r.weight * c.weight;
                    if (keyed && ColorFromPixel(pixel) == key) {
                        transparent += weight;
                        continue;
                    }
                    opaque += weight;
                    sums[0] += weight * (pixel & 0xFFu);
                    sums[1] += weight * ((pixel >> 8) & 0xFFu);
                    sums[2] += weight * ((pixel >> 16) & 0xFFu);
                }
            }
            if (transparent > opaque) {
                row[x] = PixelFromColor(key);
                continue;
            }
            Pixel pixel = 0;
            for (int channel = 0; channel < 3; ++channel)
                pixel |= Pixel((sums[std::size_t(channel)] + opaque / 2) / opaque) << (8 * channel);
            // An average that happens to hit the transparent colour would be
            // cut away: it moves one step off it.
            if (keyed && ColorFromPixel(pixel) == key)
                pixel ^= 1u;
            row[x] = pixel;
        }
    }
}

} // namespace

Bitmap ScaleImageForDpi(const Bitmap& image, unsigned dpi, int framesAcross)
{
    if (dpi == DefaultDpi || image.Empty())
        return image;
    if (framesAcross < 1 || image.Width() % framesAcross != 0)
        framesAcross = 1;
    const int frameWidth = image.Width() / framesAcross;
    const int targetFrameWidth = ScaleForDpi(frameWidth, dpi);
    const int targetHeight = ScaleForDpi(image.Height(), dpi);
    Bitmap target;
    target.BitsPerPixel = image.BitsPerPixel;
    target.Transparent = image.Transparent;
    target.TransparentColor = image.TransparentColor;
    if (targetFrameWidth <= 0 || targetHeight <= 0)
        return target;
    target.SetSize(targetFrameWidth * framesAcross, targetHeight);
    const bool wholeFactor = dpi % DefaultDpi == 0;
    for (int frame = 0; frame < framesAcross; ++frame) {
        if (wholeFactor)
            ScaleFrameNearest(image, frame * frameWidth, frameWidth, target, frame * targetFrameWidth,
                              targetFrameWidth, targetHeight);
        else
            ScaleFrameAveraged(image, frame * frameWidth, frameWidth, target, frame * targetFrameWidth,
                               targetFrameWidth, targetHeight);
    }
    return target;
}

} // namespace orvane
