#include "framework/TImageList.h"

#include "core/raster/Greyed.h"
#include "framework/GdiOwners.h"
#include "framework/PublishedProperties.h"
#include "framework/TBitmap.h"

#include <algorithm>
#include <vector>

namespace orvane::framework {

namespace {

constexpr int ImageListGrowth = 4;
// Images are read in the core raster's pixel format.
constexpr WORD ReadBitsPerPixel = 32;

constexpr TPropertyInfo ImageListProperties[] = {
    PublishedValue<TCustomImageList, &TCustomImageList::Height, &TCustomImageList::SetHeight>(L"Height",
                                                                                                TPropertyKind::Integer),
    PublishedValue<TCustomImageList, &TCustomImageList::Width, &TCustomImageList::SetWidth>(L"Width",
                                                                                              TPropertyKind::Integer),
};

} // namespace

const TClassInfo TCustomImageList::ClassInfo{L"TCustomImageList", &TComponent::ClassInfo, ImageListProperties};
const TClassInfo TImageList::ClassInfo{L"TImageList", &TCustomImageList::ClassInfo, {}};

TCustomImageList::~TCustomImageList()
{
    Destroying();
    Recreate();
}

void TCustomImageList::SetWidth(int value)
{
    if (value == width)
        return;
    width = value;
    Recreate();
}

void TCustomImageList::SetHeight(int value)
{
    if (value == height)
        return;
    height = value;
    Recreate();
}

void TCustomImageList::Recreate()
{
    handle.Reset();
    disabledHandle.Reset();
}

HIMAGELIST TCustomImageList::Handle()
{
    if (!handle)
        handle = TImageListHandle(ImageList_Create(width, height, ILC_COLOR32, 0, ImageListGrowth));
    return handle.Get();
}

HIMAGELIST TCustomImageList::DisabledHandle()
{
    if (!disabledHandle)
        disabledHandle = TImageListHandle(ImageList_Create(width, height, ILC_COLOR32, 0, ImageListGrowth));
    return disabledHandle.Get();
}

int TCustomImageList::Count() const { return handle ? ImageList_GetImageCount(handle.Get()) : 0; }

int TCustomImageList::Add(HBITMAP image, HBITMAP mask)
{
    const int first = ImageList_Add(Handle(), image, mask);
    if (first < 0)
        return first;
    // The greyed list keeps in step with the colour one, index for index: an
    // image that cannot be greyed goes in as it is.
    if (!AddGreyed(image, mask))
        ImageList_Add(DisabledHandle(), image, mask);
    return first;
}

bool TCustomImageList::AddGreyed(HBITMAP image, HBITMAP mask)
{
    BITMAP shape{};
    if (!GetObjectW(image, sizeof(shape), &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0)
        return false;
    // The pixels as a 32-bit top-down DIB: a 32-bit section's alpha comes
    // through as stored.
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = shape.bmWidth;
    format.bmiHeader.biHeight = -shape.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = ReadBitsPerPixel;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<Pixel> pixels(std::size_t(shape.bmWidth) * std::size_t(shape.bmHeight));
    {
        const TClientDC screen(nullptr);
        if (GetDIBits(screen.Handle(), image, 0, UINT(shape.bmHeight), pixels.data(), &format, DIB_RGB_COLORS) !=
            shape.bmHeight)
            return false;
    }
    orvane::Bitmap colour;
    colour.AdoptPixels(std::move(pixels), shape.bmWidth, shape.bmHeight);
    const orvane::Bitmap greyed = Greyed(colour);
    TBitmap section(greyed.Width(), greyed.Height());
    if (section.Empty())
        return false;
    orvane::Bitmap& target = section.CoreBitmap();
    for (int y = 0; y < greyed.Height(); ++y)
        std::copy(greyed.Row(y), greyed.Row(y) + greyed.Width(), target.Row(y));
    return ImageList_Add(DisabledHandle(), section.Handle(), mask) >= 0;
}

int TCustomImageList::AddFromResource(const wchar_t* resourceName)
{
    // A DIB section keeps the 32-bit pixels with their alpha as stored.
    const TBitmapHandle image(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!image)
        return -1;
    return Add(image.Get(), nullptr);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled)
{
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof(params);
    params.himl = Handle();
    params.i = index;
    params.hdcDst = canvas.Handle();
    params.x = x;
    params.y = y;
    params.rgbBk = CLR_NONE;
    params.rgbFg = CLR_NONE;
    params.fStyle = ILD_TRANSPARENT;
    params.fState = enabled ? ILS_NORMAL : ILS_SATURATE;
    ImageList_DrawIndirect(&params);
}

} // namespace orvane::framework
