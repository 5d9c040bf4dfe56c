#include "core/raster/ThreePartDraw.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/PixelFormat.h"
#include "core/raster/StretchHalftone.h"

#include <algorithm>

namespace orvane {
namespace {

// Restricts drawing to a rectangle for the lifetime of the object, so that caps
// longer than a small rectangle stay inside it.
class ClipScope {
public:
    ClipScope(Canvas& target, const Rect& rect) : canvas(target), saved(target.Clip())
    {
        canvas.SetClip(Intersect(saved, rect));
    }
    ~ClipScope() { canvas.SetClip(saved); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Canvas& canvas;
    Rect saved;
};

} // namespace

void DrawThreePartH(const Bitmap& bitmap, Canvas& canvas, const Rect& rect, Color transparent, MaskedDraw masked)
{
    const int part = bitmap.Width() / 3;
    const int height = bitmap.Height();
    if (part <= 0 || height <= 0)
        return;
    const Color maskColor = masked == MaskedDraw::Masked ? transparent : NoTransparentColor;
    if (rect.Width() < part) {
        CopyRectMasked(canvas, rect.left, rect.top, bitmap, Rect{0, 0, std::max(rect.Width(), 0), height}, maskColor);
        return;
    }
    CopyRectMasked(canvas, rect.left, rect.top, bitmap, Rect{0, 0, part, height}, maskColor);
    CopyRectMasked(canvas, rect.right - part, rect.top, bitmap, Rect{2 * part, 0, 3 * part, height}, maskColor);
    StretchRectMasked(canvas, Rect{rect.left + part, rect.top, rect.right - part, rect.top + height}, bitmap,
                      Rect{part, 0, 2 * part, height}, maskColor);
}

void DrawThreePartV(Bitmap& bitmap, Canvas& canvas, const Rect& rect, int capHeight)
{
    if (rect.left < 0 || bitmap.Empty())
        return;
    ConvertTo24Bits(bitmap);
    const int w = bitmap.Width(), h = bitmap.Height();
    const int cap = std::min(capHeight == 0 ? h / 3 : capHeight, h);
    ClipScope clip(canvas, rect);
    StretchRect(canvas, Rect{rect.left, rect.top, rect.right, rect.top + cap}, bitmap, Rect{0, 0, w, cap});
    StretchRect(canvas, Rect{rect.left, rect.bottom - cap, rect.right, rect.bottom}, bitmap, Rect{0, h - cap, w, h});
    StretchHalftoneRect(bitmap, Rect{0, cap, w, h - cap}, canvas,
                        Rect{rect.left, rect.top + cap, rect.right, rect.bottom - cap});
}

void DrawThreePartHCap(Bitmap& bitmap, Canvas& canvas, const Rect& rect, int capWidth)
{
    if (rect.left < 0 || bitmap.Empty())
        return;
    ConvertTo24Bits(bitmap);
    const int w = bitmap.Width(), h = bitmap.Height();
    const int cap = std::min(capWidth, w);
    ClipScope clip(canvas, rect);
    StretchRect(canvas, Rect{rect.left, rect.top, rect.left + cap, rect.bottom}, bitmap, Rect{0, 0, cap, h});
    StretchRect(canvas, Rect{rect.right - cap, rect.top, rect.right, rect.bottom}, bitmap, Rect{w - cap, 0, w, h});
    StretchHalftoneRect(bitmap, Rect{cap, 0, w - cap, h}, canvas,
                        Rect{rect.left + cap, rect.top, rect.right - cap, rect.bottom});
}

} // namespace orvane
