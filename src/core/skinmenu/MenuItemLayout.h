#pragma once

#include "core/raster/Canvas.h"
#include "core/raster/Pixel.h"
#include "core/raster/Rect.h"

#include <optional>

namespace orvane {

// The geometry and the ground of a skinned menu item: a glyph column at the
// left (at the right in right-to-left menus), the caption after it, the
// short-cut text at the right, and the check mark or the item's image in the
// column. Text and images are drawn by the caller over the ground painted
// here.

struct MenuImageListSize {
    int width = 16;
    int height = 16;
};

struct MenuGlyphColumn {
    int width = 26;
    int glyphHeight = 16;
};

// The column for items with an image list of that size, or without one.
MenuGlyphColumn GlyphColumnFor(const std::optional<MenuImageListSize>& images);

struct MenuItemSize {
    int width = 0;
    int height = 0;
};

constexpr int MenuSeparatorHeight = 5;
constexpr int LeastMenuItemHeight = 21;
constexpr Color MenuSeparatorColor = 0x848284;
constexpr Color DisabledMenuItemTextColor = 0x808080;

// A separator is 5 high; another item as high as its text, 21 or its image
// list's images with 5 to spare, whichever is most; every item is as wide as
// its caption and short-cut texts with 66 to spare.
MenuItemSize MeasureMenuItem(bool separator, int captionWidth, int captionHeight, int shortCutWidth,
                             const std::optional<MenuImageListSize>& images);

struct MenuItemPlacement {
    Rect glyphColumn;
    Rect ground; // the item less the glyph column
    Rect caption;
    Rect shortCut;
    // The separator's line: one row from lineLeft up to lineRight.
    int lineY = 0;
    int lineLeft = 0;
    int lineRight = 0;
    // A check mark without image, its top-left corner.
    int checkMarkX = 0;
    int checkMarkY = 0;
    // A checked item's image stands in a black frame around a fill.
    Rect checkFrame;
    Rect checkFill;
    // The item's image, or its own bitmap (16 by 16), top-left corner.
    int imageX = 0;
    int imageY = 0;
    Rect ownBitmap;
};

struct MenuItemPlacementInput {
    Rect item;
    MenuGlyphColumn column;
    bool mirrored = false;
    int shortCutWidth = 0;
    int checkMarkWidth = 0;
    int checkMarkHeight = 0;
    int imageWidth = 16;
};

MenuItemPlacement PlaceMenuItem(const MenuItemPlacementInput& input);

// The skin's menu colours the ground uses.
struct MenuItemColors {
    Color leftBarStart = 0;
    Color leftBarEnd = 0;
    Color background = 0;
    Color selectedBackground = 0;
    Color selectedBorder = 0;
};

// Paints the item's ground: a selected enabled item is filled and framed in
// the selection colours; any other item gets the left bar in its glyph
// column (a plain fill when both bar colours are equal, else a gradient
// from left to right) and the background colour beside it; a separator adds
// its line.
void PaintMenuItemGround(Canvas& canvas, const MenuItemPlacement& place, const Rect& item, bool separator,
                         bool selected, const MenuItemColors& colors);

// The black frame and the fill behind a checked item's image.
void PaintCheckedImageFrame(Canvas& canvas, const MenuItemPlacement& place, Color fill);

} // namespace orvane
