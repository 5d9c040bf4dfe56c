#include "core/skincontrols/ButtonLayout.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct LayoutCase {
    const char* name;
    Rect area;
    ButtonGlyphLayout layout;
    int margin;
    int spacing;
    bool rightToLeft;
    int captionWidth; // 0: no caption
    int glyphX, glyphY;
    Rect caption;
};

// A 16 x 16 glyph and a 30 x 13 caption in a 74 x 23 area (a 76 x 25
// button), and a 74 x 49 one for the vertical layouts.
const LayoutCase Cases[] = {
    {"glyph left, centred together", {1, 1, 75, 24}, ButtonGlyphLayout::Left, -1, 4, false, 30, 13, 4, {33, 6, 63, 19}},
    {"glyph right", {1, 1, 75, 24}, ButtonGlyphLayout::Right, -1, 4, false, 30, 47, 4, {13, 6, 43, 19}},
    {"glyph left read right to left", {1, 1, 75, 24}, ButtonGlyphLayout::Left, -1, 4, true, 30, 47, 4, {13, 6, 43, 19}},
    {"margin and spacing spread", {1, 1, 75, 24}, ButtonGlyphLayout::Left, -1, -1, false, 30, 10, 4, {35, 6, 65, 19}},
    {"spacing spread after a fixed margin", {1, 1, 75, 24}, ButtonGlyphLayout::Left, 2, -1, false, 30, 3, 4, {32, 6, 62, 19}},
    {"fixed margin and spacing", {1, 1, 75, 24}, ButtonGlyphLayout::Right, 3, 2, false, 30, 56, 4, {24, 6, 54, 19}},
    {"glyph above", {1, 1, 75, 50}, ButtonGlyphLayout::Top, -1, 4, false, 30, 30, 9, {23, 29, 53, 42}},
    {"glyph below", {1, 1, 75, 50}, ButtonGlyphLayout::Bottom, -1, 4, false, 30, 30, 26, {23, 9, 53, 22}},
    // Without a caption the spacing counts as 0 and the glyph is centred.
    {"glyph alone", {1, 1, 75, 24}, ButtonGlyphLayout::Left, -1, 4, false, 0, 30, 4, {46, 12, 46, 12}},
    // A glyph wider than the area: (10 - 16 + 1) / 2 rounds toward zero.
    {"glyph wider than the area", {1, 1, 11, 24}, ButtonGlyphLayout::Left, -1, 4, false, 0, -1, 4, {15, 12, 15, 12}},
};

TEST(ButtonLayout, PlacesGlyphAndCaption)
{
    for (const LayoutCase& test : Cases) {
        SCOPED_TRACE(test.name);
        ButtonLayoutInput input;
        input.area = test.area;
        input.glyphWidth = 16;
        input.glyphHeight = 16;
        input.captionWidth = test.captionWidth;
        input.captionHeight = test.captionWidth ? 13 : 0;
        input.captionEmpty = test.captionWidth == 0;
        input.layout = test.layout;
        input.margin = test.margin;
        input.spacing = test.spacing;
        input.rightToLeft = test.rightToLeft;
        const ButtonLayoutResult result = LayOutButton(input);
        EXPECT_EQ(result.glyphX, test.glyphX);
        EXPECT_EQ(result.glyphY, test.glyphY);
        EXPECT_EQ(result.caption, test.caption);
    }
}

} // namespace
} // namespace orvane
