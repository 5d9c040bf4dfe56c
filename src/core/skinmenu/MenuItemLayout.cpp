#include "core/skinmenu/MenuItemLayout.h"

#include "core/raster/Gradient.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr int ExtraItemWidth = 66;
constexpr int ImageHeightSpare = 5;
constexpr int CaptionGap = 4;
constexpr int ShortCutGap = 16;
constexpr int MirroredShortCutLeft = 30;
constexpr int ImageInset = 4;
constexpr int ImageTop = 3;
constexpr int OwnBitmapSize = 16;
constexpr int GlyphColumnSpare = 10;

} // namespace

MenuGlyphColumn GlyphColumnFor(const std::optional<MenuImageListSize>& images)
{
    if (!images)
        return MenuGlyphColumn{};
    return MenuGlyphColumn{images->width + GlyphColumnSpare, images->height};
}

MenuItemSize MeasureMenuItem(bool separator, int captionWidth, int captionHeight, int shortCutWidth,
                             const std::optional<MenuImageListSize>& images)
{
    MenuItemSize size;
    size.width = captionWidth + shortCutWidth + ExtraItemWidth;
    if (separator)
        size.height = MenuSeparatorHeight;
    else
        size.height = std::max({captionHeight, LeastMenuItemHeight, images ? images->height + ImageHeightSpare : 0});
    return size;
}

MenuItemPlacement PlaceMenuItem(const MenuItemPlacementInput& input)
{
    const Rect& item = input.item;
    const int column = input.column.width;
    const int glyphHeight = input.column.glyphHeight;
    MenuItemPlacement place;
    place.lineY = item.top + 2;
    place.imageY = item.top + ImageTop;
    if (!input.mirrored) {
        place.glyphColumn = Rect{item.left, item.top, item.left + column, item.bottom};
        place.ground = Rect{item.left + column, item.top, item.right, item.bottom};
        place.caption = Rect{item.left + column + CaptionGap, item.top, item.right, item.bottom};
        place.shortCut = Rect{item.right - input.shortCutWidth - ShortCutGap, item.top, item.right, item.bottom};
        place.lineLeft = item.left + column + CaptionGap;
        place.lineRight = item.right - 2;
        place.checkMarkX = item.left + (column - input.checkMarkWidth) / 2;
        place.checkMarkY = item.top + (glyphHeight + 5 - input.checkMarkHeight) / 2;
        place.checkFrame = Rect{item.left + 2, item.top + 1, item.left + column - 5, item.top + glyphHeight + 4};
        place.checkFill = Rect{item.left + 3, item.top + 2, item.left + column - 6, item.top + glyphHeight + 3};
        place.imageX = item.left + ImageInset;
        place.ownBitmap = RectOfSize(item.left + ImageInset, item.top + ImageTop, OwnBitmapSize, OwnBitmapSize);
    } else {
        place.glyphColumn = Rect{item.right - column, item.top, item.right, item.bottom};
        place.ground = Rect{item.left, item.top, item.right - column, item.bottom};
        // Right-aligned text ends before the column, which stands on the right.
        place.caption = Rect{item.left, item.top, item.right - column - CaptionGap, item.bottom};
        place.shortCut = Rect{item.left + MirroredShortCutLeft - ShortCutGap, item.top,
                              item.left + MirroredShortCutLeft - ShortCutGap + input.shortCutWidth, item.bottom};
        place.lineLeft = item.left + 2;
        place.lineRight = item.right - column - CaptionGap;
        place.checkMarkX = item.right - input.checkMarkWidth - ImageInset;
        place.checkMarkY = item.top + ImageTop;
        place.checkFrame = Rect{item.right - column + 5, item.top + 1, item.right - 2, item.top + glyphHeight + 4};
        place.checkFill = Rect{item.right - column + 6, item.top + 2, item.right - 3, item.top + glyphHeight + 3};
        place.imageX = item.right - input.imageWidth - ImageInset;
        place.ownBitmap =
            RectOfSize(item.right - OwnBitmapSize - ImageInset, item.top + ImageTop, OwnBitmapSize, OwnBitmapSize);
    }
    return place;
}

void PaintMenuItemGround(Canvas& canvas, const MenuItemPlacement& place, const Rect& item, bool separator,
                         bool selected, const MenuItemColors& colors)
{
    if (selected && !separator) {
        canvas.FillRect(item, colors.selectedBackground);
        canvas.FrameRect(item, colors.selectedBorder);
        return;
    }
    if (colors.leftBarStart == colors.leftBarEnd)
        canvas.FillRect(place.glyphColumn, colors.leftBarStart);
    else
        FillGradientH(canvas, place.glyphColumn, colors.leftBarStart, colors.leftBarEnd);
    canvas.FillRect(place.ground, colors.background);
    if (separator && place.lineRight > place.lineLeft)
        canvas.HorzLine(place.lineLeft, place.lineY, place.lineRight - place.lineLeft, MenuSeparatorColor);
}

void PaintCheckedImageFrame(Canvas& canvas, const MenuItemPlacement& place, Color fill)
{
    canvas.FrameRect(place.checkFrame, 0x000000);
    canvas.FillRect(place.checkFill, fill);
}

} // namespace orvane
