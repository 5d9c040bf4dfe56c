#include "skin/painters/TabControlPainting.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Rotate.h"
#include "core/raster/ThreePartDraw.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinTabRes.h"
#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"

#include <commctrl.h>

#include <algorithm>

namespace orvane::skin {

using namespace framework;

namespace {

using Orientation = TvelSkinTabRes::Orientation;

constexpr int PageOutset = 2;       // the page's outline lies 2 pixels outside the display area
constexpr int CaptionFromTop = 2;   // a tab's caption, from the tab's top
constexpr int PictureSpacing = 3;   // between a tab's picture and its caption
constexpr int FocusInset = 2;       // the focused tab's focus rectangle, inside the tab

Rect FromRECT(const RECT& rect) { return Rect{rect.left, rect.top, rect.right, rect.bottom}; }

Orientation TabOrientation(LONG style)
{
    if (style & TCS_VERTICAL)
        return (style & TCS_RIGHT) ? Orientation::Clockwise : Orientation::AntiClockwise;
    return (style & TCS_BOTTOM) ? Orientation::HalfTurn : Orientation::AsStored;
}

void Turn(Bitmap& bitmap, Orientation orientation)
{
    switch (orientation) {
    case Orientation::AntiClockwise:
        RotateCCW90(bitmap);
        break;
    case Orientation::HalfTurn:
        Rotate180(bitmap);
        break;
    case Orientation::Clockwise:
        RotateCW90(bitmap);
        break;
    case Orientation::AsStored:
        break;
    }
}

// The tab image spread along a tab as if the tab stood on top (three parts,
// its height stretched to the tab's), then turned to where the tab stands.
void DrawTab(Canvas& canvas, const Bitmap& tabImage, const Rect& tab, Orientation orientation, Color transparent,
             bool masked)
{
    if (tabImage.Empty() || tab.Empty())
        return;
    const bool across = orientation == Orientation::AntiClockwise || orientation == Orientation::Clockwise;
    const int length = across ? tab.Height() : tab.Width();
    const int thickness = across ? tab.Width() : tab.Height();
    Bitmap fitted(tabImage.Width(), thickness);
    {
        Canvas fittedCanvas(fitted);
        StretchRect(fittedCanvas, Rect{0, 0, fitted.Width(), thickness}, tabImage,
                    Rect{0, 0, tabImage.Width(), tabImage.Height()});
    }
    Bitmap laid(length, thickness);
    {
        Canvas laidCanvas(laid);
        laidCanvas.FillRect(Rect{0, 0, length, thickness}, transparent);
        DrawThreePartH(fitted, laidCanvas, Rect{0, 0, length, thickness}, transparent, MaskedDraw::Opaque);
    }
    Turn(laid, orientation);
    const Rect whole{0, 0, laid.Width(), laid.Height()};
    if (masked)
        CopyRectMasked(canvas, tab.left, tab.top, laid, whole, transparent);
    else
        CopyRect(canvas, tab.left, tab.top, laid, whole);
}

// The line the tabs stand on, along the page's edge on the tabs' side.
void DrawTabLine(Canvas& canvas, const Bitmap& line, const Rect& page, Orientation orientation, Color formColor)
{
    switch (orientation) {
    case Orientation::AsStored:
        canvas.HorzLine(page.left + 1, page.top, page.Width() - 2, formColor);
        if (!line.Empty())
            StretchRect(canvas, Rect{page.left, page.top - 1, page.right, page.top - 1 + line.Height()}, line,
                        Rect{0, 0, line.Width(), line.Height()});
        break;
    case Orientation::HalfTurn:
        canvas.HorzLine(page.left + 1, page.bottom - 1, page.Width() - 2, formColor);
        if (!line.Empty())
            StretchRect(canvas, Rect{page.left, page.bottom + 1 - line.Height(), page.right, page.bottom + 1}, line,
                        Rect{0, 0, line.Width(), line.Height()});
        break;
    case Orientation::AntiClockwise:
        canvas.VertLine(page.left, page.top + 1, page.Height() - 2, formColor);
        if (!line.Empty())
            StretchRect(canvas, Rect{page.left - 1, page.top, page.left - 1 + line.Width(), page.bottom}, line,
                        Rect{0, 0, line.Width(), line.Height()});
        break;
    case Orientation::Clockwise:
        canvas.VertLine(page.right - 1, page.top + 1, page.Height() - 2, formColor);
        if (!line.Empty())
            StretchRect(canvas, Rect{page.right + 1 - line.Width(), page.top, page.right + 1, page.bottom}, line,
                        Rect{0, 0, line.Width(), line.Height()});
        break;
    }
}

} // namespace

std::wstring SystemTabText(HWND window, int index)
{
    wchar_t buffer[260] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = int(std::size(buffer));
    if (!SendMessageW(window, TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item)))
        return {};
    return item.pszText ? std::wstring(item.pszText) : std::wstring();
}

void PaintSkinnedTabs(const TSkinLook& look, HWND window, HFONT font,
                      const std::function<std::wstring(int)>& tabText)
{
    if (!window)
        return;
    if (!font)
        font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    RECT client{};
    GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const Orientation orientation = TabOrientation(style);
    const Color formColor = look.GetSkinColor(SKIN2_FORMCOLOR);
    const Color transparent = look.GetSkinColor(SKIN2_TRANSCOLOR);
    const bool masked = look.GetSkinFlag(SKIN2_TABCONTROLTRANS);
    const TvelSkinTabRes& tabs = look.TabImages();

    RECT display = client;
    SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    InflateRect(&display, PageOutset, PageOutset);
    const Rect page = FromRECT(display);

    const int count = int(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
    const int current = int(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    struct Tab {
        int index;
        RECT rect;
    };
    std::vector<Tab> shown;
    for (int index = 0; index < count; ++index) {
        RECT rect{};
        if (SendMessageW(window, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect)) &&
            !IsRectEmpty(&rect))
            shown.push_back(Tab{index, rect});
    }

    TBitmap image(client.right, client.bottom);
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, client.right, client.bottom}, formColor);
        canvas.FrameRect(page, look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
        for (const Tab& tab : shown) {
            const Bitmap& frame = tab.index == current ? tabs.ActiveTab(Orientation::AsStored)
                                                       : tabs.InactiveTab(Orientation::AsStored);
            DrawTab(canvas, frame, FromRECT(tab.rect), orientation, transparent, masked);
        }
        DrawTabLine(canvas, tabs.Line(orientation), page, orientation, formColor);
    }

    HDC dc = image.Canvas().Handle();
    TSelectedObject selectedFont;
    if (font)
        selectedFont.Select(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const HIMAGELIST pictures = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TCM_GETIMAGELIST, 0, 0));
    int pictureWidth = 0, pictureHeight = 0;
    if (pictures)
        ImageList_GetIconSize(pictures, &pictureWidth, &pictureHeight);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    for (const Tab& tab : shown) {
        const bool selected = tab.index == current;
        std::wstring caption = tabText ? tabText(tab.index) : SystemTabText(window, tab.index);
        TCITEMW item{};
        item.mask = TCIF_IMAGE;
        item.iImage = -1;
        SendMessageW(window, TCM_GETITEMW, WPARAM(tab.index), reinterpret_cast<LPARAM>(&item));
        const bool picture = pictures && item.iImage >= 0 && item.iImage < ImageList_GetImageCount(pictures);

        RECT measured{0, 0, 0, 0};
        DrawTextW(dc, caption.data(), int(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
        const int textWidth = measured.right, textHeight = measured.bottom;
        const int pictureSpace = picture ? pictureWidth + (caption.empty() ? 0 : PictureSpacing) : 0;
        const int tabWidth = tab.rect.right - tab.rect.left, tabHeight = tab.rect.bottom - tab.rect.top;
        const int left = tab.rect.left + (tabWidth - pictureSpace - textWidth) / 2;
        // Tabs on top carry their caption 2 pixels from their top; tabs on
        // the other sides centre it.
        const int top = orientation == Orientation::AsStored ? tab.rect.top + CaptionFromTop
                                                             : tab.rect.top + (tabHeight - textHeight) / 2;
        const TSavedDCState clipped(dc);
        IntersectClipRect(dc, tab.rect.left, tab.rect.top, tab.rect.right, tab.rect.bottom);
        if (picture)
            ImageList_Draw(pictures, item.iImage, dc, left, tab.rect.top + (tabHeight - pictureHeight) / 2,
                           ILD_TRANSPARENT);
        const COLORREF color = !enabled ? GetSysColor(COLOR_GRAYTEXT)
                               : selected ? look.GetSkinColor(SKIN2_TABCONTROLACTIVEFONTCOLOR)
                                          : look.GetSkinColor(SKIN2_TABCONTROLINACTIVEFONTCOLOR);
        SetTextColor(dc, color);
        RECT text{left + pictureSpace, top, left + pictureSpace + textWidth, top + textHeight};
        DrawTextW(dc, caption.data(), int(caption.size()), &text, DT_SINGLELINE);
        if (selected && GetFocus() == window) {
            RECT focus = tab.rect;
            InflateRect(&focus, -FocusInset, -FocusInset);
            DrawFocusRect(dc, &focus);
        }
    }
    GdiFlush();

    const TClientDC target(window);
    if (target.Handle())
        BitBlt(target.Handle(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

} // namespace orvane::skin
