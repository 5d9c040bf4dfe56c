#include "core/skincontrols/ScrollBarPainter.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/StretchHalftone.h"
#include "core/raster/ThreePartDraw.h"

namespace orvane {

namespace {

// Thumb pixels left at each end for the caps when the grip is placed.
constexpr int CapRoom = 3;

// Picture pieces are described for a vertical bar; a horizontal one swaps the
// axes, so positions are written as (along, across) and turned here.
struct Axis {
    bool vertical;
    Rect Make(int alongStart, int alongEnd, int acrossStart, int acrossEnd) const
    {
        return vertical ? Rect{acrossStart, alongStart, acrossEnd, alongEnd}
                        : Rect{alongStart, acrossStart, alongEnd, acrossEnd};
    }
    int Start(const Rect& r) const { return vertical ? r.top : r.left; }
    int End(const Rect& r) const { return vertical ? r.bottom : r.right; }
    int AcrossStart(const Rect& r) const { return vertical ? r.left : r.top; }
    int AcrossEnd(const Rect& r) const { return vertical ? r.right : r.bottom; }
    int Length(const Bitmap& b) const { return vertical ? b.Height() : b.Width(); }
    int Across(const Rect& r) const { return AcrossEnd(r) - AcrossStart(r); }
};

const Bitmap* Image(std::span<const Bitmap> images, int oneBased)
{
    if (oneBased < 1 || std::size_t(oneBased) > images.size() || images[std::size_t(oneBased - 1)].Empty())
        return nullptr;
    return &images[std::size_t(oneBased - 1)];
}

void Stretch(const Bitmap* image, Canvas& canvas, const Rect& destination)
{
    if (image && !destination.Empty())
        StretchHalftone(*image, canvas, destination);
}

void PaintThumbSections(Canvas& canvas, const ScrollBarImages& images, const Rect& thumb, const Axis& axis)
{
    const int start = axis.Start(thumb), end = axis.End(thumb);
    const int across0 = axis.AcrossStart(thumb), across1 = axis.AcrossEnd(thumb);
    const int length = end - start;
    const int middle = length - 2 * CapRoom;

    if (const Bitmap* cap = Image(images.thumb, 1))
        Stretch(cap, canvas, axis.Make(start, start + axis.Length(*cap), across0, across1));
    if (const Bitmap* cap = Image(images.thumb, 5)) {
        const int capLength = axis.Length(*cap);
        const int half = length / 2;
        const Rect target = axis.Make(end - capLength, end, across0, across1);
        if (capLength > half) {
            // Only the cap's last rows, as many as half the thumb, stretched
            // back to the cap's length.
            const Rect source = axis.vertical ? Rect{0, capLength - half, cap->Width(), capLength}
                                              : Rect{capLength - half, 0, capLength, cap->Height()};
            if (half > 0)
                StretchHalftoneRect(*cap, source, canvas, target);
        } else {
            Stretch(cap, canvas, target);
        }
    }

    const Bitmap* grip = Image(images.thumb, 3);
    const int gripLength = grip ? axis.Length(*grip) : 0;
    if (grip && gripLength >= middle) {
        Stretch(grip, canvas, axis.Make(start + CapRoom, end - CapRoom, across0, across1));
        return;
    }
    const int gripStart = start + CapRoom + (middle - gripLength) / 2;
    const int gripEnd = gripStart + gripLength;
    if (grip)
        Stretch(grip, canvas, axis.Make(gripStart, gripEnd, across0, across1));
    Stretch(Image(images.thumb, 4), canvas, axis.Make(gripEnd, end - CapRoom, across0, across1));
    Stretch(Image(images.thumb, 2), canvas, axis.Make(start + CapRoom, gripStart, across0, across1));
}

} // namespace

void PaintScrollBar(Canvas& canvas, const ScrollBarImages& images, Color barColor, const Rect& bar,
                    const Rect* thumb, bool vertical)
{
    const Axis axis{vertical};
    canvas.FillRect(bar, barColor);
    const int side = axis.Across(bar);
    const int across0 = axis.AcrossStart(bar), across1 = axis.AcrossEnd(bar);
    Stretch(Image(images.buttons, 1), canvas, axis.Make(axis.Start(bar), axis.Start(bar) + side, across0, across1));
    Stretch(Image(images.buttons, 4), canvas, axis.Make(axis.End(bar) - side, axis.End(bar), across0, across1));
    if (!thumb || thumb->Empty())
        return;
    const int thumbLength = axis.End(*thumb) - axis.Start(*thumb);
    if (images.threePartThumb && images.wholeThumb && !images.wholeThumb->Empty() &&
        thumbLength >= WholeThumbMinLength) {
        Bitmap whole = *images.wholeThumb;
        if (vertical)
            DrawThreePartV(whole, canvas, *thumb, 0);
        else
            DrawThreePartH(whole, canvas, *thumb, NoTransparentColor, MaskedDraw::Opaque);
        return;
    }
    PaintThumbSections(canvas, images, *thumb, axis);
}

} // namespace orvane
