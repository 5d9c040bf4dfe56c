#include "core/skinmenu/MenuItemLayout.h"

#include "core/raster/Bitmap.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(MenuItemMeasure, SizesFollowTextImagesAndSeparators)
{
    struct Case {
        const char* what;
        bool separator;
        int captionWidth, captionHeight, shortCutWidth;
        std::optional<MenuImageListSize> images;
        MenuItemSize expected;
    };
    const Case cases[] = {
        {"separator", true, 6, 13, 0, std::nullopt, {72, 5}},
        {"short text is still 21 high", false, 40, 13, 0, std::nullopt, {106, 21}},
        {"tall text", false, 40, 30, 0, std::nullopt, {106, 30}},
        {"short-cut text widens", false, 40, 13, 35, std::nullopt, {141, 21}},
        {"big images", false, 40, 13, 0, MenuImageListSize{32, 24}, {106, 29}},
        {"small images", false, 40, 13, 0, MenuImageListSize{16, 16}, {106, 21}},
    };
    for (const Case& c : cases) {
        const MenuItemSize size = MeasureMenuItem(c.separator, c.captionWidth, c.captionHeight, c.shortCutWidth, c.images);
        EXPECT_EQ(size.width, c.expected.width) << c.what;
        EXPECT_EQ(size.height, c.expected.height) << c.what;
    }
}

TEST(MenuItemLayout, GlyphColumnIs26WideWithoutImagesAndFollowsTheImageList)
{
    EXPECT_EQ(GlyphColumnFor(std::nullopt).width, 26);
    EXPECT_EQ(GlyphColumnFor(std::nullopt).glyphHeight, 16);
    EXPECT_EQ(GlyphColumnFor(MenuImageListSize{24, 20}).width, 34);
    EXPECT_EQ(GlyphColumnFor(MenuImageListSize{24, 20}).glyphHeight, 20);
}

TEST(MenuItemLayout, PlacesCaptionShortCutAndGlyphsOnTheirSide)
{
    MenuItemPlacementInput input;
    input.item = Rect{0, 10, 150, 31};
    input.shortCutWidth = 30;
    input.checkMarkWidth = 12;
    input.checkMarkHeight = 9;
    const MenuItemPlacement left = PlaceMenuItem(input);
    EXPECT_EQ(left.glyphColumn, (Rect{0, 10, 26, 31}));
    EXPECT_EQ(left.caption.left, 30);
    EXPECT_EQ(left.shortCut, (Rect{104, 10, 150, 31}));
    EXPECT_EQ(left.checkMarkX, 7);
    EXPECT_EQ(left.checkMarkY, 16);
    EXPECT_EQ(left.checkFrame, (Rect{2, 11, 21, 30}));
    EXPECT_EQ(left.imageX, 4);
    EXPECT_EQ(left.imageY, 13);

    input.mirrored = true;
    const MenuItemPlacement right = PlaceMenuItem(input);
    EXPECT_EQ(right.glyphColumn, (Rect{124, 10, 150, 31}));
    EXPECT_LE(right.caption.right, right.glyphColumn.left) << "right-aligned text stays out of the column";
    EXPECT_EQ(right.checkMarkX, 150 - 12 - 4);
    EXPECT_EQ(right.checkFrame, (Rect{129, 11, 148, 30}));
    EXPECT_EQ(right.imageX, 150 - 16 - 4);
}

class MenuItemGround : public testing::Test {
protected:
    static constexpr Color Bar = 0x00AA00;
    static constexpr Color BarEnd = 0x0000AA;
    static constexpr Color Ground = 0xF0F0F0;
    static constexpr Color Selected = 0xFFCC99;
    static constexpr Color Border = 0x993300;

    Bitmap Paint(bool separator, bool selected, Color barEnd, int height = 21)
    {
        Bitmap image(120, height);
        Canvas canvas(image);
        MenuItemPlacementInput input;
        input.item = Rect{0, 0, 120, height};
        const MenuItemPlacement place = PlaceMenuItem(input);
        PaintMenuItemGround(canvas, place, input.item, separator, selected,
                            MenuItemColors{Bar, barEnd, Ground, Selected, Border});
        return image;
    }
};

TEST_F(MenuItemGround, EqualBarColoursGiveAPlainColumnAndTheGroundBesideIt)
{
    const Bitmap image = Paint(false, false, Bar);
    for (int x : {0, 12, 25})
        EXPECT_EQ(image.ColorAt(x, 10), Bar) << x;
    EXPECT_EQ(image.ColorAt(26, 10), Ground);
    EXPECT_EQ(image.ColorAt(119, 20), Ground);
}

TEST_F(MenuItemGround, DifferentBarColoursGiveAGradientFromLeftToRight)
{
    const Bitmap image = Paint(false, false, BarEnd);
    EXPECT_EQ(image.ColorAt(0, 5), Bar);
    EXPECT_NE(image.ColorAt(13, 5), Bar);
    EXPECT_NE(image.ColorAt(13, 5), BarEnd);
    EXPECT_EQ(image.ColorAt(26, 5), Ground);
}

TEST_F(MenuItemGround, SelectedItemIsFilledAndFramedOverTheColumn)
{
    const Bitmap image = Paint(false, true, Bar);
    EXPECT_EQ(image.ColorAt(0, 0), Border);
    EXPECT_EQ(image.ColorAt(119, 20), Border);
    EXPECT_EQ(image.ColorAt(5, 10), Selected);
    EXPECT_EQ(image.ColorAt(60, 10), Selected);
}

TEST_F(MenuItemGround, SeparatorDrawsOneGreyLineThatLeavesTheColumnFree)
{
    const Bitmap image = Paint(true, true, Bar, MenuSeparatorHeight);
    EXPECT_EQ(image.ColorAt(10, 2), Bar) << "a separator is never drawn selected";
    EXPECT_EQ(image.ColorAt(29, 2), Ground);
    EXPECT_EQ(image.ColorAt(30, 2), MenuSeparatorColor);
    EXPECT_EQ(image.ColorAt(117, 2), MenuSeparatorColor);
    EXPECT_EQ(image.ColorAt(118, 2), Ground);
    for (int y : {0, 1, 3, 4})
        EXPECT_EQ(image.ColorAt(60, y), Ground) << y;
}

} // namespace
} // namespace orvane
