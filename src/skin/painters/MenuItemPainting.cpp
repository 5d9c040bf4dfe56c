#include "skin/painters/MenuItemPainting.h"

#include "core/raster/BitmapCopy.h"
#include "core/skinmenu/MenuItemLayout.h"
#include "framework/ShortCuts.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TImageList.h"
#include "framework/TMenu.h"
#include "framework/TMenuItem.h"
#include "skin/CheckMarkImage.h"
#include "skin/SystemFonts.h"
#include "skin/look/TSkinLook.h"

#include <optional>

namespace orvane::skin {

using namespace framework;

namespace {

enum MenuColorEntry {
    LeftBarStart = 6,
    LeftBarEnd = 7,
    ItemBackground = 8,
    ItemText = 9,
    SelectedBackground = 10,
    SelectedBorder = 11,
    SelectedText = 12,
};

// The image list of an item: its nearest ancestor's sub-menu images, else
// its menu's images.
TCustomImageList* ImageListOf(const TMenuItem& item)
{
    for (const TMenuItem* above = item.Parent(); above; above = above->Parent())
        if (above->SubMenuImages())
            return above->SubMenuImages();
    const TMenu* menu = item.Menu();
    return menu ? menu->Images() : nullptr;
}

// An empty image list counts as none for the glyph column and the size.
std::optional<MenuImageListSize> UsableImageListSize(TCustomImageList* images)
{
    if (!images || images->Count() == 0)
        return std::nullopt;
    return MenuImageListSize{images->Width(), images->Height()};
}

bool IsTopLevelOfMainMenu(const TMenuItem& item)
{
    const TMenu* menu = item.Menu();
    return menu && As<TMainMenu>(menu) && item.Parent() == &const_cast<TMenu*>(menu)->Items();
}

// The check mark as the item is: its own colours, or grey for a disabled item.
Bitmap CheckMarkFor(const Bitmap& mark, bool enabled)
{
    Bitmap copy = mark;
    if (!enabled)
        for (int y = 0; y < copy.Height(); ++y)
            for (int x = 0; x < copy.Width(); ++x)
                if (!mark.Transparent || copy.ColorAt(x, y) != mark.TransparentColor)
                    copy.SetColorAt(x, y, DisabledMenuItemTextColor);
    return copy;
}

} // namespace

void MeasureSkinnedMenuItem(TMenuItem& item, TCanvas& canvas, int& width, int& height)
{
    if (IsTopLevelOfMainMenu(item))
        return;
    AssignMenuFont(canvas.Font(), item.Default());
    const SIZE caption = canvas.TextExtent(item.Caption());
    const std::wstring keys = ShortCutToText(item.ShortCut());
    const int keysWidth = keys.empty() ? 0 : int(canvas.TextExtent(keys).cx);
    const MenuItemSize size =
        orvane::MeasureMenuItem(item.IsLine(), int(caption.cx), int(caption.cy), keysWidth,
                                UsableImageListSize(ImageListOf(item)));
    width = size.width;
    height = size.height;
}

void DrawSkinnedMenuItem(const TSkinLook& look, TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    const TMenu* menu = item.Menu();
    const bool mirrored = menu && menu->RightToLeft();
    TCustomImageList* images = ImageListOf(item);
    const std::optional<MenuImageListSize> imageSize = UsableImageListSize(images);
    const Bitmap* checkMark = TCheckMarkImage::Get();
    const std::wstring keys = ShortCutToText(item.ShortCut());

    // The item is composed off screen and shown in one copy.
    TBitmap buffer(width, height);
    AssignMenuFont(buffer.Canvas().Font(), item.Default());
    const int keysWidth = keys.empty() ? 0 : int(buffer.Canvas().TextExtent(keys).cx);
    MenuItemPlacementInput input;
    input.item = Rect{0, 0, width, height};
    input.column = GlyphColumnFor(imageSize);
    input.mirrored = mirrored;
    input.shortCutWidth = keysWidth;
    input.checkMarkWidth = checkMark ? checkMark->Width() : 0;
    input.checkMarkHeight = checkMark ? checkMark->Height() : 0;
    input.imageWidth = images ? images->Width() : 16;
    const MenuItemPlacement place = PlaceMenuItem(input);
    const TSkinLook::TMenuColors& menuColors = look.MenuColors();
    const MenuItemColors colors{menuColors[LeftBarStart], menuColors[LeftBarEnd], menuColors[ItemBackground],
                                menuColors[SelectedBackground], menuColors[SelectedBorder]};
    const bool enabled = item.Enabled();
    const bool imageUsable =
        images && item.ImageIndex() >= 0 && menu && menu->Images() && item.ImageIndex() < menu->Images()->Count();
    {
        Canvas pixels(buffer.CoreBitmap());
        PaintMenuItemGround(pixels, place, input.item, item.IsLine(), selected && enabled, colors);
        if (!item.IsLine() && item.Checked()) {
            if (!imageUsable) {
                if (checkMark)
                    DrawBitmap(pixels, place.checkMarkX, place.checkMarkY, CheckMarkFor(*checkMark, enabled));
            } else {
                PaintCheckedImageFrame(pixels, place, colors.background);
            }
        }
    }
    if (!item.IsLine()) {
        TCanvas& out = buffer.Canvas();
        out.Font().SetColor(TColor(!enabled ? DisabledMenuItemTextColor
                                   : selected ? menuColors[SelectedText]
                                              : menuColors[ItemText]));
        RECT captionRect{place.caption.left, place.caption.top, place.caption.right, place.caption.bottom};
        out.TextRect(item.Caption(), captionRect,
                     DT_SINGLELINE | DT_VCENTER | (mirrored ? DT_RIGHT | DT_RTLREADING : DT_LEFT));
        if (!keys.empty()) {
            RECT keysRect{place.shortCut.left, place.shortCut.top, place.shortCut.right, place.shortCut.bottom};
            out.TextRect(keys, keysRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        }
        if (item.ImageIndex() != -1 && images) {
            if (item.ImageIndex() < images->Count())
                images->Draw(out, place.imageX, place.imageY, item.ImageIndex(), enabled);
        } else if (item.HasBitmap()) {
            const RECT square{place.ownBitmap.left, place.ownBitmap.top, place.ownBitmap.right, place.ownBitmap.bottom};
            out.StretchDraw(square, item.Bitmap());
        }
    }
    canvas.CopyRect(rect, buffer, RECT{0, 0, width, height});
}

} // namespace orvane::skin
