#include "skin/BitmapResource.h"

#include "framework/GdiOwners.h"

#include <windows.h>

namespace orvane::skin {

std::optional<Bitmap> LoadBitmapResource(const wchar_t* name)
{
    framework::TBitmapHandle loaded(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!loaded || !GetObjectW(loaded.Get(), sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return std::nullopt;
    Bitmap pixels(info.bmWidth, info.bmHeight);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight; // top-down, as Bitmap keeps its rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    const framework::TClientDC screen(nullptr);
    if (GetDIBits(screen.Handle(), loaded.Get(), 0, UINT(info.bmHeight), pixels.Row(0), &format, DIB_RGB_COLORS) !=
        info.bmHeight)
        return std::nullopt;
    return pixels;
}

} // namespace orvane::skin
