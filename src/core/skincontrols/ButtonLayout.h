#pragma once

#include "core/raster/Rect.h"

namespace orvane {

// Where a button's glyph sits relative to its caption.
enum class ButtonGlyphLayout { Left, Right, Top, Bottom };

struct ButtonLayoutInput {
    Rect area;           // the button's client rectangle less 1 pixel each side
    int glyphWidth = 0;  // the picture's size
    int glyphHeight = 0;
    int captionWidth = 0; // the measured caption, at most the area's width
    int captionHeight = 0;
    bool captionEmpty = true;
    ButtonGlyphLayout layout = ButtonGlyphLayout::Left;
    int margin = -1;  // from the area's start to the glyph; -1: centre the whole
    int spacing = 4;  // between glyph and caption; -1: spread evenly
    bool rightToLeft = false;
};

struct ButtonLayoutResult {
    int glyphX = 0;
    int glyphY = 0;
    Rect caption;
};

// Lays a glyph and a caption out together in the area: across the layout
// direction each is centred, along it margin and spacing place them (-1
// values are worked out so that the space left over is shared). All
// divisions round toward zero. Left and right swap for right-to-left text.
ButtonLayoutResult LayOutButton(const ButtonLayoutInput& input);

} // namespace orvane
