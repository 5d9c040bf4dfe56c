// The images of the default skin. Every colour and size of the look is in
// DefaultStyle below; the colours the engine also draws with (transparent
// colour, form colour, bar colours) come from the skin's manifest.

#include "Shapes.h"
#include "SkinArt.h"

#include "core/raster/Rotate.h"

#include <cmath>

namespace orvane::art {
namespace {

struct DefaultStyle {
    // Title bar and frame: a deep blue with a lighter glass plate behind the caption.
    int titleHeight = 28;
    int titleLeftWidth = 30;      // SKIN2_TITLEBAR1: corner, icon and the plate's left end
    int cornerRadius = 6;         // rounded top corners, cut by the window region
    Color frameOutline = 0x563517; // #173556
    Color titleHighlight = 0xC79B6D;
    Color titleTop = 0xA5733F;
    Color titleBottom = 0x744A21;
    Color borderLight = 0x9C6B3A;
    Color borderMid = 0x8A5C2E;
    Color borderInner = 0x704420;
    int borderWidth = 4;

    int plateTop = 4, plateBottom = 24, plateLeft = 3, plateRadius = 5; // the plate holds the icon and the caption
    int plateEndWidth = 18, plateEndReach = 9; // the plate's rounded end reaches 9 columns into TITLEBAR3
    Color plateOutline = 0x6E4420;
    Color plateHighlight = 0xE0BE96;
    Color plateTop2 = 0xCB9A64;
    Color plateBottom2 = 0x9C6C3C;

    // Title buttons: 18 frames of 21 x 19.
    int buttonWidth = 21, buttonHeight = 19, buttonRadius = 4;
    int buttonTop = 5; // SKIN2_TITLEBARBUTTONPOSY, for blending the corners with the title
    Color buttonOutline = 0x5E3B1B;
    Color buttonNormalTop = 0xB37D4C, buttonNormalBottom = 0x8C5D31;
    Color buttonHotTop = 0xD4A574, buttonHotBottom = 0xB1804E;
    Color buttonDownTop = 0x6F4925, buttonDownBottom = 0x8D6033;
    Color closeOutline = 0x1A2470;
    Color closeHotTop = 0x4A60E8, closeHotBottom = 0x1F32B8;
    Color closeDownTop = 0x14248E, closeDownBottom = 0x1C2EA9;
    Color glyph = 0xFFFFFF, glyphDown = 0xF6EEE6;

    // Push buttons, check boxes, radio buttons.
    int pushWidth = 18, pushHeight = 21, pushRadius = 3; // odd height: the nine-slice centre row
    Color controlOutline = 0xAB937D, controlHotOutline = 0xC0864C, controlDownOutline = 0x9A6A3A;
    Color controlTop = 0xFFFFFF, controlBottom = 0xEFE8E2;
    Color controlHotBottom = 0xF6E8D9, controlDownTop = 0xECD8C5, controlDownBottom = 0xF2E7DC;
    Color mark = 0xA8662A, greyedMark = 0xCFA67F;
    Color disabledOutline = 0xCBC0B5, disabledFill = 0xF5F3F1, disabledMark = 0xBBB1A7;
    int boxSize = 13;

    // Scroll bars: light from the left, so that turned images stay lit from one side.
    int scrollSize = 17, thumbHeight = 27;
    Color scrollOutline = 0xC2B4A7, scrollLight = 0xFDFCFB, scrollDark = 0xEEE7E1;
    Color scrollHotOutline = 0xC08E5B, scrollHotDark = 0xF6E6D6;
    Color scrollDownOutline = 0x9F6E3D, scrollDownLight = 0xEAD3BC, scrollDownDark = 0xF2E2D2;
    Color scrollArrow = 0x68584A;
    Color thumbOutline = 0xA68260, thumbLight = 0xFCF8F4, thumbDark = 0xEAD9C9, grip = 0xB38F6F;

    // Progress bar, track bar, tabs.
    int progressHeight = 16;
    Color trackOutline = 0xB8A38E, trackLight = 0xFFFFFF, trackFill = 0xF8F5F2, trackShade = 0xEEE8E3;
    Color fillHighlight = 0xF0C89C, fillTop = 0xEAA65A, fillBottom = 0xBC742F, fillShade = 0xA8662A;
    Color channelTop = 0xDED3C9, channelBottom = 0xF3EEE9;
    Color sliderOutline = 0x9A6A3A, sliderTop = 0xFFFFFF, sliderBottom = 0xEBDAC9;
    int tabPart = 5, tabHeight = 22;
    Color tabActiveTop = 0xFFFFFF, tabInactiveTop = 0xF1EBE6, tabInactiveBottom = 0xE4DBD3;
    Color pageLight = 0xFFFFFF;
};

const DefaultStyle Style;

// The title's colour on row y (outline, highlight, then the gradient).
Color TitleRow(int y)
{
    if (y <= 0)
        return Style.frameOutline;
    if (y == 1)
        return Style.titleHighlight;
    return Mix(Style.titleTop, Style.titleBottom, double(y - 2) / (Style.titleHeight - 3));
}

Paint TitlePaint() { return [](int, int y) { return TitleRow(y); }; }

Paint PlatePaint()
{
    return [](int, int y) {
        if (y <= Style.plateTop + 1)
            return Style.plateHighlight;
        return Mix(Style.plateTop2, Style.plateBottom2,
                   double(y - Style.plateTop - 2) / (Style.plateBottom - Style.plateTop - 4));
    };
}

// A stretch of title: the gradient, with the plate (when asked) between plateLeft
// and plateRight; shapes outside the image are cut by it.
Bitmap TitleSection(int width, const ManifestColors& colors, double plateLeft, double plateRight)
{
    Bitmap image = Blank(width, Style.titleHeight, colors("SKIN2_TRANSCOLOR"));
    Canvas canvas(image);
    for (int y = 0; y < image.Height(); ++y)
        canvas.HorzLine(0, y, width, TitleRow(y));
    if (plateRight > plateLeft)
        OutlinedRoundRect(canvas,
                          Rect{int(plateLeft), Style.plateTop, int(plateRight), Style.plateBottom},
                          Style.plateRadius, Style.plateOutline, PlatePaint(), TitlePaint());
    return image;
}

Bitmap TitleBar1(const ManifestColors& colors)
{
    Bitmap image = TitleSection(Style.titleLeftWidth, colors, Style.plateLeft, Style.plateLeft + 80);
    Canvas canvas(image);
    canvas.VertLine(0, 0, image.Height(), Style.frameOutline);
    RoundCorner(canvas, Corner::TopLeft, Style.cornerRadius, Style.frameOutline, colors("SKIN2_TRANSCOLOR"));
    return image;
}

Bitmap TitleBar2(const ManifestColors& colors) { return TitleSection(2, colors, -40, 40); }

Bitmap TitleBar3(const ManifestColors& colors)
{
    return TitleSection(Style.plateEndWidth, colors, -40, Style.plateEndReach);
}

Bitmap TitleBar4(const ManifestColors& colors) { return TitleSection(2, colors, 0, 0); }

Bitmap TitleBar5(const ManifestColors& colors)
{
    Bitmap image = TitleSection(Style.cornerRadius + 2, colors, 0, 0);
    Canvas canvas(image);
    canvas.VertLine(image.Width() - 1, 0, image.Height(), Style.frameOutline);
    RoundCorner(canvas, Corner::TopRight, Style.cornerRadius, Style.frameOutline, colors("SKIN2_TRANSCOLOR"));
    return image;
}

Bitmap MinimizedTitle(const ManifestColors& colors)
{
    Bitmap image = TitleSection(160, colors, 22, 130);
    Canvas canvas(image);
    canvas.FrameRect(canvas.Bounds(), Style.frameOutline);
    return image;
}

// Border layers from the outside in.
Color BorderLayer(int layer)
{
    const Color layers[] = {Style.frameOutline, Style.borderLight, Style.borderMid, Style.borderInner};
    return layers[std::clamp(layer, 0, 3)];
}

Bitmap SideBorder(bool left)
{
    Bitmap image(Style.borderWidth, 8);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetColorAt(x, y, BorderLayer(left ? x : Style.borderWidth - 1 - x));
    return image;
}

// Bottom border pieces: the layers meet the side borders' layers on a mitre.
Bitmap BottomBorder(int width, int corner)
{
    const int h = Style.borderWidth;
    Bitmap image(width, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < width; ++x) {
            const int fromBottom = h - 1 - y;
            int layer = fromBottom;
            if (corner < 0 && x < h)
                layer = std::min(x, fromBottom);
            if (corner > 0 && width - 1 - x < h)
                layer = std::min(width - 1 - x, fromBottom);
            image.SetColorAt(x, y, BorderLayer(layer));
        }
    return image;
}

// Title-button glyphs, drawn in a 21 x 19 frame.
enum class Glyph { None, Help, Maximize, Restore, Minimize, Close };

void DrawGlyph(Canvas& canvas, Glyph glyph, int offset, Color color)
{
    const double o = offset;
    const double t = 1.7;
    auto line = [&](double x0, double y0, double x1, double y1) { Line(canvas, x0 + o, y0 + o, x1 + o, y1 + o, t, color); };
    switch (glyph) {
    case Glyph::None: break;
    case Glyph::Close:
        line(6.5, 5.5, 14.5, 13.5);
        line(14.5, 5.5, 6.5, 13.5);
        break;
    case Glyph::Minimize: line(6.5, 13, 14.5, 13); break;
    case Glyph::Maximize:
        line(6.5, 5.5, 14.5, 5.5);
        line(6.5, 6.5, 14.5, 6.5);
        line(6.5, 5.5, 6.5, 13.5);
        line(14.5, 5.5, 14.5, 13.5);
        line(6.5, 13.5, 14.5, 13.5);
        break;
    case Glyph::Restore:
        line(8.5, 4.5, 15.5, 4.5);
        line(15.5, 4.5, 15.5, 10.5);
        line(5.5, 7.5, 12.5, 7.5);
        line(5.5, 8.5, 12.5, 8.5);
        line(5.5, 7.5, 5.5, 14);
        line(12.5, 7.5, 12.5, 14);
        line(5.5, 14, 12.5, 14);
        break;
    case Glyph::Help:
        line(7.5, 7, 8.5, 5);
        line(8.5, 5, 12.5, 5);
        line(12.5, 5, 13.5, 7);
        line(13.5, 7, 10.5, 9.5);
        line(10.5, 9.5, 10.5, 11);
        line(10.5, 13.8, 10.5, 14.2);
        break;
    }
}

Bitmap TitleButtons(const ManifestColors& colors)
{
    constexpr int Frames = 18;
    constexpr int States = 3;
    const Glyph glyphs[] = {Glyph::None, Glyph::Help, Glyph::Maximize, Glyph::Restore, Glyph::Minimize, Glyph::Close};
    const int bw = Style.buttonWidth, bh = Style.buttonHeight;
    return MakeStrip(bw, bh, Frames, colors("SKIN2_TRANSCOLOR"), [&](Canvas& canvas, int frame) {
        const Glyph glyph = glyphs[(frame - 1) / States];
        const int state = (frame - 1) % States; // normal, hot, pressed
        const bool close = glyph == Glyph::Close;
        Color outline = Style.buttonOutline, top = Style.buttonNormalTop, bottom = Style.buttonNormalBottom;
        if (state == 1) {
            top = close ? Style.closeHotTop : Style.buttonHotTop;
            bottom = close ? Style.closeHotBottom : Style.buttonHotBottom;
            outline = close ? Style.closeOutline : outline;
        } else if (state == 2) {
            top = close ? Style.closeDownTop : Style.buttonDownTop;
            bottom = close ? Style.closeDownBottom : Style.buttonDownBottom;
            outline = close ? Style.closeOutline : outline;
        }
        // The corners blend with the title row they are drawn over.
        const Paint behind = [](int, int y) { return TitleRow(y + Style.buttonTop); };
        OutlinedRoundRect(canvas, Rect{0, 0, bw, bh}, Style.buttonRadius, outline, Vertical(top, bottom, 1, bh - 2),
                          behind);
        // A glassy top: a lighter line under the outline, except when pressed.
        if (state != 2)
            canvas.HorzLine(2, 1, bw - 4, Lighter(top, 0.35));
        DrawGlyph(canvas, glyph, state == 2 ? 1 : 0, state == 2 ? Style.glyphDown : Style.glyph);
    });
}

Bitmap PushButton(const ManifestColors& colors)
{
    const Color form = colors("SKIN2_FORMCOLOR");
    return MakeStrip(Style.pushWidth, Style.pushHeight, 3, colors("SKIN2_TRANSCOLOR"), [&](Canvas& canvas, int state) {
        const int h = Style.pushHeight;
        Color outline = Style.controlOutline, top = Style.controlTop, bottom = Style.controlBottom;
        if (state == 2)
            outline = Style.controlHotOutline, bottom = Style.controlHotBottom;
        if (state == 3)
            outline = Style.controlDownOutline, top = Style.controlDownTop, bottom = Style.controlDownBottom;
        OutlinedRoundRect(canvas, Rect{0, 0, Style.pushWidth, h}, Style.pushRadius, outline,
                          Vertical(top, bottom, 1, h - 2), Solid(form));
    });
}

Bitmap CheckBox(const ManifestColors& colors)
{
    const Color form = colors("SKIN2_FORMCOLOR");
    const Color key = colors("SKIN2_TRANSCOLOR");
    return MakeStrip(Style.boxSize, Style.boxSize, 6, key, [&](Canvas& canvas, int frame) {
        const bool disabled = frame > 3;
        const int kind = (frame - 1) % 3; // 0 checked, 1 greyed, 2 unchecked
        OutlinedRoundRect(canvas, Rect{0, 0, Style.boxSize, Style.boxSize}, 2,
                          disabled ? Style.disabledOutline : Style.controlOutline,
                          disabled ? Solid(Style.disabledFill) : Vertical(Style.controlTop, Style.controlBottom, 1, 11),
                          Solid(form));
        if (kind == 0) {
            const Color color = disabled ? Style.disabledMark : Style.mark;
            Line(canvas, 3.2, 6.6, 5.4, 9.0, 1.8, color);
            Line(canvas, 5.4, 9.0, 9.8, 3.6, 1.8, color);
        } else if (kind == 1) {
            canvas.FillRect(Rect{3, 3, 10, 10}, disabled ? Style.disabledMark : Style.greyedMark);
        }
    });
}

Bitmap RadioButton(const ManifestColors& colors)
{
    const Color form = colors("SKIN2_FORMCOLOR");
    return MakeStrip(Style.boxSize, Style.boxSize, 4, colors("SKIN2_TRANSCOLOR"), [&](Canvas& canvas, int frame) {
        const bool disabled = frame > 2;
        const bool checked = frame % 2 == 1;
        OutlinedRoundRect(canvas, Rect{0, 0, Style.boxSize, Style.boxSize}, Style.boxSize / 2.0,
                          disabled ? Style.disabledOutline : Style.controlOutline,
                          disabled ? Solid(Style.disabledFill) : Vertical(Style.controlTop, Style.controlBottom, 1, 11),
                          Solid(form));
        if (checked) {
            const Color dot = disabled ? Style.disabledMark : Style.mark;
            FillRoundRect(canvas, 3.5, 3.5, 9.5, 9.5, 3, Solid(dot), Paint([&canvas](int x, int y) {
                              return canvas.Target().ColorAt(x, y);
                          }));
        }
    });
}

Bitmap CheckedMenuIcon(const ManifestColors& colors)
{
    const Color key = colors("SKIN2_TRANSCOLOR");
    Bitmap image = Blank(16, 16, key);
    Canvas canvas(image);
    const KeyedBackdrop behind{key, colors("SKIN2_LEFTBARSTARTCOLOR")};
    Line(canvas, 3.5, 8.5, 6.5, 11.5, 2.0, Style.mark, behind);
    Line(canvas, 6.5, 11.5, 12.5, 4.5, 2.0, Style.mark, behind);
    return image;
}

Bitmap BarImage(Color top, Color bottom, int height, Color line)
{
    Bitmap image(2, height);
    Canvas canvas(image);
    for (int y = 0; y < height - 1; ++y)
        canvas.HorzLine(0, y, 2, Mix(top, bottom, double(y) / (height - 2)));
    canvas.HorzLine(0, height - 1, 2, line);
    return image;
}

// Progress pieces: rows 0-1 and the last two are the caps of the three-part
// drawing; the rows between are spread over the bar's height.
Bitmap ProgressPiece(int width, bool filled, int end, const ManifestColors& colors)
{
    const int h = Style.progressHeight;
    Bitmap image(width, h);
    Canvas canvas(image);
    for (int y = 0; y < h; ++y) {
        Color color;
        if (y == 0 || y == h - 1)
            color = Style.trackOutline;
        else if (filled)
            color = y == 1 ? Style.fillHighlight : y == h - 2 ? Style.fillShade : Mix(Style.fillTop, Style.fillBottom, double(y - 2) / (h - 5));
        else
            color = y == 1 ? Style.trackLight : y == h - 2 ? Style.trackShade : Style.trackFill;
        canvas.HorzLine(0, y, width, color);
    }
    if (end != 0) {
        const int x = end < 0 ? 0 : width - 1;
        canvas.VertLine(x, 0, h, Style.trackOutline);
        canvas.SetPixel(x, 0, colors("SKIN2_FORMCOLOR"));
        canvas.SetPixel(x, h - 1, colors("SKIN2_FORMCOLOR"));
        canvas.SetPixel(end < 0 ? 1 : width - 2, 1, Mix(Style.trackOutline, Style.trackLight, 0.5));
    }
    return image;
}

Bitmap TrackChannel(const ManifestColors& colors)
{
    Bitmap image = Blank(12, 5, colors("SKIN2_TRANSCOLOR"));
    Canvas canvas(image);
    OutlinedRoundRect(canvas, Rect{0, 0, 12, 5}, 2, Style.trackOutline, Vertical(Style.channelTop, Style.channelBottom, 1, 3),
                      Solid(colors("SKIN2_FORMCOLOR")));
    return image;
}

Bitmap TrackSlider(const ManifestColors& colors)
{
    const Color key = colors("SKIN2_TRANSCOLOR");
    Bitmap image = Blank(11, 19, key);
    Canvas canvas(image);
    const KeyedBackdrop behind{key, colors("SKIN2_FORMCOLOR")};
    Polygon(canvas, {{0, 0}, {11, 0}, {11, 13}, {5.5, 18.6}, {0, 13}}, Style.sliderOutline, behind);
    Polygon(canvas, {{1, 1}, {10, 1}, {10, 12.6}, {5.5, 17.2}, {1, 12.6}},
            Vertical(Style.sliderTop, Style.sliderBottom, 1, 16));
    return image;
}

Bitmap TrackVSlider(const ManifestColors& colors)
{
    Bitmap image = TrackSlider(colors);
    RotateCCW90(image);
    return image;
}

Bitmap ScrollButton(const ManifestColors& colors, bool up)
{
    const Color track = colors("SKIN2_SCROLLBARCOLOR");
    const int s = Style.scrollSize;
    return MakeStrip(s, s, 3, colors("SKIN2_TRANSCOLOR"), [&](Canvas& canvas, int state) {
        Color outline = Style.scrollOutline, light = Style.scrollLight, dark = Style.scrollDark;
        if (state == 2)
            outline = Style.scrollHotOutline, dark = Style.scrollHotDark;
        if (state == 3)
            outline = Style.scrollDownOutline, light = Style.scrollDownLight, dark = Style.scrollDownDark;
        OutlinedRoundRect(canvas, Rect{0, 0, s, s}, 3, outline, Horizontal(light, dark, 1, s - 2), Solid(track));
        const double o = state == 3 ? 1 : 0;
        const double cx = s / 2.0 + o, cy = s / 2.0 + o;
        if (up)
            Polygon(canvas, {{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2.5}}, Style.scrollArrow);
        else
            Polygon(canvas, {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2.5}}, Style.scrollArrow);
    });
}

Bitmap ScrollThumb(const ManifestColors& colors)
{
    const int w = Style.scrollSize, h = Style.thumbHeight;
    Bitmap image = Blank(w, h, colors("SKIN2_TRANSCOLOR"));
    Canvas canvas(image);
    OutlinedRoundRect(canvas, Rect{0, 0, w, h}, 3, Style.thumbOutline, Horizontal(Style.thumbLight, Style.thumbDark, 1, w - 2),
                      Solid(colors("SKIN2_SCROLLBARCOLOR")));
    // Grip lines in the middle section (rows 11 to 16 of a 27-row thumb).
    for (int y : {h / 2 - 2, h / 2, h / 2 + 2})
        canvas.HorzLine(5, y, w - 10, Style.grip);
    return image;
}

Bitmap Tabs(const ManifestColors& colors)
{
    const Color form = colors("SKIN2_FORMCOLOR");
    const Color border = colors("SKIN2_CONTROLBORDERCOLOR");
    const int w = 3 * Style.tabPart, h = Style.tabHeight;
    return MakeStrip(w, h, 2, colors("SKIN2_TRANSCOLOR"), [&](Canvas& canvas, int frame) {
        if (frame == 1) {
            // Selected: open at the bottom into the page.
            OutlinedRoundRect(canvas, Rect{0, 0, w, h + 4}, 3, border, Vertical(Style.tabActiveTop, form, 1, h), Solid(form));
            return;
        }
        OutlinedRoundRect(canvas, Rect{0, 2, w, h + 4}, 3, border,
                          Vertical(Style.tabInactiveTop, Style.tabInactiveBottom, 3, h), Solid(form));
        canvas.HorzLine(0, h - 1, w, border);
    });
}

Bitmap TabLine(const ManifestColors& colors)
{
    Bitmap image(4, 2);
    Canvas canvas(image);
    canvas.HorzLine(0, 0, 4, colors("SKIN2_CONTROLBORDERCOLOR"));
    canvas.HorzLine(0, 1, 4, Style.pageLight);
    return image;
}

} // namespace

SkinImages DefaultSkinImages()
{
    const int bw = Style.borderWidth;
    return {
        {"SKIN2_TITLEBAR1", TitleBar1},
        {"SKIN2_TITLEBAR2", TitleBar2},
        {"SKIN2_TITLEBAR3", TitleBar3},
        {"SKIN2_TITLEBAR4", TitleBar4},
        {"SKIN2_TITLEBAR5", TitleBar5},
        {"SKIN2_FORMLEFTBORDER", [](const ManifestColors&) { return SideBorder(true); }},
        {"SKIN2_FORMRIGHTBORDER", [](const ManifestColors&) { return SideBorder(false); }},
        {"SKIN2_FORMBOTTOMBORDER1", [bw](const ManifestColors&) { return BottomBorder(2 * bw, -1); }},
        {"SKIN2_FORMBOTTOMBORDER2", [](const ManifestColors&) { return BottomBorder(2, 0); }},
        {"SKIN2_FORMBOTTOMBORDER3", [bw](const ManifestColors&) { return BottomBorder(2 * bw, 1); }},
        {"SKIN2_MINIMIZEDTITLE", MinimizedTitle},
        {"SKIN2_TITLEBUTTONS", TitleButtons},
        {"SKIN2_CHECKEDMENUICON", CheckedMenuIcon},
        {"SKIN2_MENUBAR",
         [](const ManifestColors& c) {
             return BarImage(c("SKIN2_MENUBARSTARTCOLOR"), c("SKIN2_MENUBARENDCOLOR"), 20, Darker(c("SKIN2_MENUBARENDCOLOR"), 0.1));
         }},
        {"SKIN2_TOOLBAR",
         [](const ManifestColors& c) {
             return BarImage(c("SKIN2_TOOLBARSTARTCOLOR"), c("SKIN2_TOOLBARENDCOLOR"), 28, Darker(c("SKIN2_TOOLBARENDCOLOR"), 0.12));
         }},
        {"SKIN2_BUTTON", PushButton},
        {"SKIN2_CHECKBOX", CheckBox},
        {"SKIN2_RADIOBUTTON", RadioButton},
        {"SKIN2_PROGRESSBAR1", [](const ManifestColors& c) { return ProgressPiece(3, false, -1, c); }},
        {"SKIN2_PROGRESSBAR2", [](const ManifestColors& c) { return ProgressPiece(8, true, 0, c); }},
        {"SKIN2_PROGRESSBAR3", [](const ManifestColors& c) { return ProgressPiece(8, false, 0, c); }},
        {"SKIN2_PROGRESSBAR4", [](const ManifestColors& c) { return ProgressPiece(3, false, 1, c); }},
        {"SKIN2_TRACKBAR", TrackChannel},
        {"SKIN2_TRACKBARSLIDER", TrackSlider},
        {"SKIN2_TRACKBARVSLIDER", TrackVSlider},
        {"SKIN2_SCROLLBARUPBUTTON", [](const ManifestColors& c) { return ScrollButton(c, true); }},
        {"SKIN2_SCROLLBAR", ScrollThumb},
        {"SKIN2_SCROLLBARDOWNBUTTON", [](const ManifestColors& c) { return ScrollButton(c, false); }},
        {"SKIN2_TABCONTROL", Tabs},
        {"SKIN2_TABCONTROLLINE", TabLine},
    };
}

} // namespace orvane::art
