#include "core/skincontrols/ButtonLayout.h"

namespace orvane {

ButtonLayoutResult LayOutButton(const ButtonLayoutInput& input)
{
    ButtonGlyphLayout layout = input.layout;
    if (input.rightToLeft) {
        if (layout == ButtonGlyphLayout::Left)
            layout = ButtonGlyphLayout::Right;
        else if (layout == ButtonGlyphLayout::Right)
            layout = ButtonGlyphLayout::Left;
    }
    const bool horizontal = layout == ButtonGlyphLayout::Left || layout == ButtonGlyphLayout::Right;
    const Rect& area = input.area;

    // Along the layout direction: L the area's length, G the glyph's, C the
    // caption's.
    const int length = horizontal ? area.Width() : area.Height();
    const int glyph = horizontal ? input.glyphWidth : input.glyphHeight;
    const int caption = horizontal ? input.captionWidth : input.captionHeight;
    int margin = input.margin;
    int spacing = input.captionEmpty ? 0 : input.spacing;
    if (margin == -1 && spacing == -1) {
        margin = (length - glyph - caption) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (length - glyph - spacing - caption + 1) / 2;
    } else if (spacing == -1) {
        spacing = (length - margin - glyph - caption) / 2;
    }
    int glyphStart = 0, captionStart = 0;
    if (layout == ButtonGlyphLayout::Left || layout == ButtonGlyphLayout::Top) {
        glyphStart = margin;
        captionStart = margin + glyph + spacing;
    } else {
        glyphStart = length - margin - glyph;
        captionStart = glyphStart - spacing - caption;
    }

    ButtonLayoutResult result;
    if (horizontal) {
        result.glyphX = area.left + glyphStart;
        result.glyphY = area.top + (area.Height() - input.glyphHeight) / 2;
        const int captionTop = area.top + (area.Height() - input.captionHeight) / 2;
        result.caption = RectOfSize(area.left + captionStart, captionTop, input.captionWidth, input.captionHeight);
    } else {
        result.glyphX = area.left + (area.Width() - input.glyphWidth) / 2;
        result.glyphY = area.top + glyphStart;
        const int captionLeft = area.left + (area.Width() - input.captionWidth) / 2;
        result.caption = RectOfSize(captionLeft, area.top + captionStart, input.captionWidth, input.captionHeight);
    }
    return result;
}

} // namespace orvane
