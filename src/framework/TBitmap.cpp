#include "framework/TBitmap.h"

namespace orvane::framework {

namespace {

constexpr WORD SectionBitsPerPixel = 32;

} // namespace

const TClassInfo TBitmap::ClassInfo{L"TBitmap", &TObject::ClassInfo, {}};

TBitmap::~TBitmap() { ReleaseSection(); }

void TBitmap::ReleaseSection()
{
    canvas.SetHandle(nullptr);
    sectionSelection.Restore();
    memoryDc.reset();
    pixels.SetSize(0, 0);
    section.Reset();
}

void TBitmap::SetSize(int newWidth, int newHeight)
{
    if (newWidth == Width() && newHeight == Height() && section)
        return;
    ReleaseSection();
    if (newWidth <= 0 || newHeight <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight; // negative: rows top-down, as the core Bitmap keeps them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = SectionBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    TBitmapHandle made(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!made || !bits)
        return;
    section = std::move(made);
    // A 32-bit row is a whole number of DWORDs: the stride is the width.
    pixels.UseMemory(PixelView{static_cast<Pixel*>(bits), newWidth, newHeight, newWidth});
}

orvane::Bitmap& TBitmap::CoreBitmap()
{
    GdiFlush();
    return pixels;
}

TCanvas& TBitmap::Canvas()
{
    if (!memoryDc && section) {
        memoryDc.emplace();
        sectionSelection.Select(memoryDc->Handle(), section.Get());
        canvas.SetHandle(memoryDc->Handle());
    }
    return canvas;
}

} // namespace orvane::framework
