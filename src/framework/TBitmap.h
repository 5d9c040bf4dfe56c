#pragma once

#include "core/raster/Bitmap.h"
#include "framework/GdiOwners.h"
#include "framework/TCanvas.h"
#include "framework/TColor.h"
#include "framework/TObject.h"

#include <windows.h>

#include <optional>

namespace orvane::framework {

// A bitmap in a 32-bit top-down DIB section whose pixels a core Bitmap
// shares: the core raster primitives draw into it in place, GDI draws into it
// through the canvas, and a canvas on the screen takes it in one copy.
//
// Resize it through SetSize, which makes a new section (all black): the core
// Bitmap is pointed at the new pixels. A core Bitmap resized by itself takes
// pixels of its own and is no longer seen by GDI.
class TBitmap : public TObject {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    TBitmap() = default;
    TBitmap(int initialWidth, int initialHeight) { SetSize(initialWidth, initialHeight); }
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return pixels.Width(); }
    int Height() const { return pixels.Height(); }
    bool Empty() const { return pixels.Empty(); }
    void SetSize(int newWidth, int newHeight);

    HBITMAP Handle() const { return section.Get(); }
    // The pixels for the core raster primitives. GDI's pending drawing is
    // finished first, so that the two never overtake each other.
    orvane::Bitmap& CoreBitmap();
    // A canvas on a memory device context that holds the section.
    TCanvas& Canvas();

    bool Transparent() const { return pixels.Transparent; }
    void SetTransparent(bool value) { pixels.Transparent = value; }
    TColor TransparentColor() const { return TColor(pixels.TransparentColor); }
    void SetTransparentColor(TColor value) { pixels.TransparentColor = ColorToRGB(value); }

private:
    void ReleaseSection();

    orvane::Bitmap pixels;
    TBitmapHandle section;
    // Declared after the section: the context lets the section go before the
    // section is deleted.
    std::optional<TMemoryDC> memoryDc;
    TSelectedObject sectionSelection;
    TCanvas canvas;
};

} // namespace orvane::framework
