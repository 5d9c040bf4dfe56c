#include "framework/TImageList.h"

#include "framework/GdiOwners.h"
#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int ImageListGrowth = 4;

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
    if (handle)
        ImageList_Destroy(handle);
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
    if (handle)
        ImageList_Destroy(handle);
    handle = nullptr;
}

HIMAGELIST TCustomImageList::Handle()
{
    if (!handle)
        handle = ImageList_Create(width, height, ILC_COLOR32, 0, ImageListGrowth);
    return handle;
}

int TCustomImageList::Count() const { return handle ? ImageList_GetImageCount(handle) : 0; }

int TCustomImageList::Add(HBITMAP image, HBITMAP mask) { return ImageList_Add(Handle(), image, mask); }

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
