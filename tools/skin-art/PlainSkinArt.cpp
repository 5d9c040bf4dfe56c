// The images of the plain test skin: flat shapes that take the engine's other
// paths (three-section title, no regions, bars drawn as gradients, a thumb
// drawn in one piece). Every colour and size is in PlainStyle below.

#include "Shapes.h"
#include "SkinArt.h"

#include "core/raster/Rotate.h"

namespace orvane::art {
namespace {

struct PlainStyle {
    int titleHeight = 22;
    Color title = 0x5E5147, titleLine = 0x3C332C, titleLight = 0x7E7066;
    int borderWidth = 3;
    Color border = 0x5E5147;
    int buttonWidth = 16, buttonHeight = 14;
    Color button = 0x7E7066, buttonHot = 0x9C8E84, buttonDown = 0x3C332C, glyph = 0xFFFFFF;
    Color box = 0x5E5147, boxFill = 0xFFFFFF, mark = 0x3C332C, disabled = 0xB0B0B0;
    Color barFill = 0x4F9B3A, barEmpty = 0xF0F0F0, barLine = 0x808080;
    int scrollSize = 16;
    Color scrollButton = 0xE0E0E0, scrollDown = 0xB8B8B8, arrow = 0x404040;
    // The thumb drawn in one piece: 33 rows, and this colour at (1, 10) marks it.
    int thumbWidth = 6, thumbHeight = 33;
    Color thumb = 0xB23901, thumbEdge = 0x7A2700;
};

const PlainStyle Style;

Bitmap Filled(int width, int height, Color color, Color edge)
{
    Bitmap image = Blank(width, height, color);
    Canvas canvas(image);
    canvas.FrameRect(canvas.Bounds(), edge);
    return image;
}

// A piece that is stretched across: lines at the top and bottom only.
Bitmap Banded(int width, int height, Color color, Color edge)
{
    Bitmap image = Blank(width, height, color);
    Canvas canvas(image);
    canvas.HorzLine(0, 0, width, edge);
    canvas.HorzLine(0, height - 1, width, edge);
    return image;
}

Bitmap TitleSection(int width, bool leftEdge, bool rightEdge)
{
    Bitmap image = Blank(width, Style.titleHeight, Style.title);
    Canvas canvas(image);
    canvas.HorzLine(0, 0, width, Style.titleLine);
    canvas.HorzLine(0, 1, width, Style.titleLight);
    if (leftEdge)
        canvas.VertLine(0, 0, Style.titleHeight, Style.titleLine);
    if (rightEdge)
        canvas.VertLine(width - 1, 0, Style.titleHeight, Style.titleLine);
    return image;
}

Bitmap TitleButtons(const ManifestColors&)
{
    const int bw = Style.buttonWidth, bh = Style.buttonHeight;
    return MakeStrip(bw, bh, 18, Style.button, [&](Canvas& canvas, int frame) {
        const int button = (frame - 1) / 3, state = (frame - 1) % 3;
        canvas.FillRect(canvas.Bounds(), state == 0 ? Style.button : state == 1 ? Style.buttonHot : Style.buttonDown);
        canvas.FrameRect(canvas.Bounds(), Style.titleLine);
        const int o = state == 2 ? 1 : 0;
        switch (button) {
        case 1: canvas.FillRect(Rect{7 + o, 4 + o, 9 + o, 8 + o}, Style.glyph); canvas.FillRect(Rect{7 + o, 9 + o, 9 + o, 11 + o}, Style.glyph); break;
        case 2: canvas.FrameRect(Rect{4 + o, 3 + o, 12 + o, 11 + o}, Style.glyph); canvas.HorzLine(4 + o, 4 + o, 8, Style.glyph); break;
        case 3: canvas.FrameRect(Rect{4 + o, 5 + o, 10 + o, 11 + o}, Style.glyph); canvas.FrameRect(Rect{6 + o, 3 + o, 12 + o, 9 + o}, Style.glyph); break;
        case 4: canvas.FillRect(Rect{4 + o, 9 + o, 12 + o, 11 + o}, Style.glyph); break;
        case 5: Line(canvas, 4.5 + o, 3.5 + o, 11.5 + o, 10.5 + o, 1.6, Style.glyph); Line(canvas, 11.5 + o, 3.5 + o, 4.5 + o, 10.5 + o, 1.6, Style.glyph); break;
        default: break;
        }
    });
}

Bitmap Boxes(int frames, bool round, const ManifestColors& colors)
{
    const Color key = colors("SKIN2_TRANSCOLOR");
    return MakeStrip(13, 13, frames, key, [&](Canvas& canvas, int frame) {
        const bool disabled = frame > frames / 2;
        const int kind = (frame - 1) % (frames / 2); // check boxes: checked, greyed, unchecked; radios: checked, unchecked
        const Color edge = disabled ? Style.disabled : Style.box;
        if (round)
            OutlinedRoundRect(canvas, Rect{0, 0, 13, 13}, 6.5, edge, Solid(Style.boxFill), Solid(colors("SKIN2_FORMCOLOR")));
        else
            canvas.FillRect(canvas.Bounds(), Style.boxFill), canvas.FrameRect(canvas.Bounds(), edge);
        const Color mark = disabled ? Style.disabled : Style.mark;
        if (kind == 0)
            canvas.FillRect(Rect{4, 4, 9, 9}, mark);
        if (!round && kind == 1)
            canvas.FillRect(Rect{4, 4, 9, 9}, Mix(mark, Style.boxFill, 0.6));
    });
}

Bitmap ScrollButton(const ManifestColors& colors, bool up)
{
    const int s = Style.scrollSize;
    return MakeStrip(s, s, 3, Style.scrollButton, [&](Canvas& canvas, int state) {
        canvas.FillRect(canvas.Bounds(), state == 3 ? Style.scrollDown : Style.scrollButton);
        canvas.FrameRect(canvas.Bounds(), state == 2 ? Style.thumb : Style.barLine);
        const double cx = s / 2.0, cy = s / 2.0;
        if (up)
            Polygon(canvas, {{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}}, Style.arrow);
        else
            Polygon(canvas, {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}}, Style.arrow);
        (void)colors;
    });
}

Bitmap Thumb(const ManifestColors&)
{
    Bitmap image = Blank(Style.thumbWidth, Style.thumbHeight, Style.thumb);
    Canvas canvas(image);
    canvas.FrameRect(canvas.Bounds(), Style.thumbEdge);
    canvas.SetPixel(1, 10, Style.thumb);
    return image;
}

Bitmap Tabs(const ManifestColors& colors)
{
    return MakeStrip(9, 18, 2, colors("SKIN2_FORMCOLOR"), [&](Canvas& canvas, int frame) {
        const Rect tab{0, frame == 1 ? 0 : 2, 9, 18};
        canvas.FillRect(tab, frame == 1 ? Style.boxFill : Style.scrollButton);
        canvas.FrameRect(Rect{tab.left, tab.top, tab.right, tab.bottom + 1}, Style.barLine);
    });
}

} // namespace

SkinImages PlainSkinImages()
{
    const int t = Style.titleHeight, b = Style.borderWidth;
    return {
        {"SKIN2_TITLEBAR1", [](const ManifestColors&) { return TitleSection(24, true, false); }},
        {"SKIN2_TITLEBAR2", [](const ManifestColors&) { return TitleSection(2, false, false); }},
        {"SKIN2_TITLEBAR3", [](const ManifestColors&) { return TitleSection(60, false, true); }},
        {"SKIN2_FORMLEFTBORDER", [b](const ManifestColors&) { return Blank(b, 4, Style.border); }},
        {"SKIN2_FORMRIGHTBORDER", [b](const ManifestColors&) { return Blank(b, 4, Style.border); }},
        {"SKIN2_FORMBOTTOMBORDER1", [b](const ManifestColors&) { return Filled(9, b, Style.border, Style.titleLine); }},
        {"SKIN2_MINIMIZEDTITLE", [t](const ManifestColors&) { return Filled(120, t, Style.title, Style.titleLine); }},
        {"SKIN2_TITLEBUTTONS", TitleButtons},
        {"SKIN2_CHECKEDMENUICON",
         [](const ManifestColors& c) {
             Bitmap image = Blank(12, 12, c("SKIN2_TRANSCOLOR"));
             Canvas canvas(image);
             canvas.FillRect(Rect{3, 3, 9, 9}, Style.mark);
             return image;
         }},
        {"SKIN2_BUTTON",
         [](const ManifestColors&) {
             return MakeStrip(10, 15, 3, Style.boxFill, [](Canvas& canvas, int state) {
                 canvas.FillRect(canvas.Bounds(), state == 3 ? Style.scrollDown : Style.scrollButton);
                 canvas.FrameRect(canvas.Bounds(), state == 2 ? Style.thumb : Style.titleLine);
             });
         }},
        {"SKIN2_CHECKBOX", [](const ManifestColors& c) { return Boxes(6, false, c); }},
        {"SKIN2_RADIOBUTTON", [](const ManifestColors& c) { return Boxes(4, true, c); }},
        {"SKIN2_PROGRESSBAR1", [](const ManifestColors&) { return Blank(2, 12, Style.barLine); }},
        {"SKIN2_PROGRESSBAR2", [](const ManifestColors&) { return Banded(4, 12, Style.barFill, Style.barLine); }},
        {"SKIN2_PROGRESSBAR3", [](const ManifestColors&) { return Banded(4, 12, Style.barEmpty, Style.barLine); }},
        {"SKIN2_PROGRESSBAR4", [](const ManifestColors&) { return Blank(2, 12, Style.barLine); }},
        {"SKIN2_TRACKBAR", [](const ManifestColors&) { return Filled(9, 4, Style.barEmpty, Style.barLine); }},
        {"SKIN2_TRACKBARSLIDER", [](const ManifestColors&) { return Filled(9, 16, Style.scrollButton, Style.titleLine); }},
        {"SKIN2_TRACKBARVSLIDER", [](const ManifestColors&) { return Filled(16, 9, Style.scrollButton, Style.titleLine); }},
        {"SKIN2_SCROLLBARUPBUTTON", [](const ManifestColors& c) { return ScrollButton(c, true); }},
        {"SKIN2_SCROLLBAR", Thumb},
        {"SKIN2_SCROLLBARDOWNBUTTON", [](const ManifestColors& c) { return ScrollButton(c, false); }},
        {"SKIN2_TABCONTROL", Tabs},
        {"SKIN2_TABCONTROLLINE", [](const ManifestColors&) { return Blank(2, 1, Style.barLine); }},
    };
}

} // namespace orvane::art
