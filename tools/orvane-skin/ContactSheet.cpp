#include "ContactSheet.h"

#include "TinyFont.h"

#include "core/raster/Arrows.h"
#include "core/raster/BitmapCopy.h"
#include "core/raster/CutFrame.h"
#include "core/raster/Gradient.h"
#include "core/raster/NineSlice.h"
#include "core/raster/StretchHalftone.h"
#include "core/raster/ThreePartDraw.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinProgressBarRes.h"
#include "core/skinmodel/TvelSkinScrollBtnRes.h"
#include "core/skinmodel/TvelSkinTabRes.h"

#include <algorithm>
#include <string>

namespace orvane {
namespace {

constexpr int WindowWidth = 480;
constexpr int WindowHeight = 360;
constexpr int WindowZoom = 2;
constexpr int SheetWidth = 1600;
constexpr int SheetMinHeight = 900;
constexpr int Margin = 16;
constexpr int TilesLeft = Margin + WindowWidth * WindowZoom + 2 * Margin;
constexpr Color SheetColor = 0x3A3330;     // dark slate, so that light and dark skins both stand out
constexpr Color LabelColor = 0xE8E4E0;
constexpr Color CheckerLight = 0xFFFFFF;
constexpr Color CheckerDark = 0xE0E0E0;
constexpr Color DisabledText = 0x808080;
constexpr Color SeparatorColor = 0x848284;
constexpr Color MenuFrameColor = 0x808080;
constexpr int MenuBarHeight = 20;
constexpr int ToolBarHeight = 28;
constexpr int TitleButtonFrames = 18;
constexpr const char* Caption = "Orvane Sudoku 1.0 - Easy";

// Everything the preview reads, gathered once.
struct Skin {
    const TvelSkinReader& reader;
    TvelSkinScrollBtnRes scroll;
    TvelSkinProgressBarRes progress;
    TvelSkinTabRes tabs;
    Color transparent;
    Color formColor;

    explicit Skin(const TvelSkinReader& skinReader) : reader(skinReader)
    {
        scroll.SetReader(&reader);
        progress.SetReader(&reader);
        tabs.SetReader(&reader);
        transparent = reader.GetColor(SKIN2_TRANSCOLOR);
        formColor = reader.GetColor(SKIN2_FORMCOLOR);
    }
    const Bitmap* Image(int index) const { return reader.GetBitmap(index); }
    Color ColorOf(int index) const { return reader.GetColor(index); }
    int Int(int index) const { return reader.GetInt(index); }
    bool Flag(int index) const { return reader.GetFlag(index); }
    Color MaskFor(int flag) const { return Flag(flag) ? transparent : NoTransparentColor; }
};

int WidthOf(const Bitmap* bitmap) { return bitmap != nullptr ? bitmap->Width() : 0; }
int HeightOf(const Bitmap* bitmap) { return bitmap != nullptr ? bitmap->Height() : 0; }

void Draw(Canvas& canvas, const Bitmap* bitmap, int x, int y, Color mask = NoTransparentColor)
{
    if (bitmap != nullptr)
        CopyRectMasked(canvas, x, y, *bitmap, Rect{0, 0, bitmap->Width(), bitmap->Height()}, mask);
}

void Stretch(Canvas& canvas, const Bitmap* bitmap, const Rect& rect, Color mask = NoTransparentColor)
{
    if (bitmap != nullptr)
        StretchRectMasked(canvas, rect, *bitmap, Rect{0, 0, bitmap->Width(), bitmap->Height()}, mask);
}

// A gradient, or a plain fill when both colours are the same.
void FillBar(Canvas& canvas, const Rect& rect, Color from, Color to)
{
    if (from == to)
        canvas.FillRect(rect, from);
    else
        FillGradientV(canvas, rect, from, to);
}

// A little 3 x 3 board as the window icon.
void DrawIcon(Canvas& canvas, int x, int y)
{
    canvas.FillRect(RectOfSize(x, y, 16, 16), 0x6B4A2A);
    canvas.FillRect(RectOfSize(x + 1, y + 1, 14, 14), 0xFFFFFF);
    for (int i = 1; i < 3; ++i) {
        canvas.FillRect(RectOfSize(x + 1 + i * 5 - 1, y + 1, 1, 14), 0x6B4A2A);
        canvas.FillRect(RectOfSize(x + 1, y + 1 + i * 5 - 1, 14, 1), 0x6B4A2A);
    }
    canvas.FillRect(RectOfSize(x + 2, y + 2, 3, 3), 0x2E7BE8);
    canvas.FillRect(RectOfSize(x + 11, y + 11, 3, 3), 0x2E7BE8);
}

// Title band as the frame composes it (five or three sections, caption plate,
// icon, buttons), drawn opaquely so that the transparent colour stays visible
// for the region.
Bitmap ComposeTitle(const Skin& skin, int width, int& titleHeight)
{
    const Bitmap* left = skin.Image(SKIN2_TITLEBAR1);
    titleHeight = HeightOf(left);
    Bitmap band(width, std::max(titleHeight, 1));
    Canvas canvas(band);
    canvas.FillRect(canvas.Bounds(), skin.formColor);
    const bool fiveSections = skin.Flag(SKIN2_TITLEFIVESECT);
    const Bitmap* rightCap = skin.Image(fiveSections ? SKIN2_TITLEBAR5 : SKIN2_TITLEBAR3);
    const int right = width - WidthOf(rightCap);
    Draw(canvas, rightCap, right, 0);
    Draw(canvas, left, 0, 0);
    int x = WidthOf(left);
    const int captionX = skin.Int(SKIN2_TITLEBARICONPOSX) + 20;
    const Bitmap* filler = skin.Image(SKIN2_TITLEBAR2);
    if (fiveSections) {
        const Bitmap* plate = skin.Image(SKIN2_TITLEBAR2);
        const Bitmap* plateEnd = skin.Image(SKIN2_TITLEBAR3);
        const int end = TinyTextWidth(Caption) + captionX;
        Stretch(canvas, plate, Rect{x, 0, end + 2, HeightOf(plate)});
        Draw(canvas, plateEnd, end + 2, 0);
        x = end + 2 + WidthOf(plateEnd);
        filler = skin.Image(SKIN2_TITLEBAR4);
    }
    if (x < right)
        Stretch(canvas, filler, Rect{x, 0, right, HeightOf(filler)});

    const int iconY = std::max(skin.Int(SKIN2_TITLEBARICONPOSY), 4);
    DrawIcon(canvas, std::max(skin.Int(SKIN2_TITLEBARICONPOSX), 0), iconY);

    const Bitmap* strip = skin.Image(SKIN2_TITLEBUTTONS);
    const int buttonWidth = WidthOf(strip) / TitleButtonFrames;
    int buttonX = width - skin.Int(SKIN2_TITLEBARBUTTONPOSX) - buttonWidth;
    const int buttonY = skin.Int(SKIN2_TITLEBARBUTTONPOSY);
    // Close hot, maximize pressed, minimize normal: all three looks in one title.
    for (int frame : {17, 9, 13}) {
        Bitmap button;
        CutFrame(strip, button, TitleButtonFrames, frame);
        Draw(canvas, &button, buttonX, buttonY, skin.MaskFor(SKIN2_TITLEBTNTRANS));
        buttonX -= buttonWidth + 2;
    }
    DrawTinyText(canvas, captionX, skin.Int(SKIN2_TITLEBARCAPTIONTOP) + 2, Caption, skin.ColorOf(SKIN2_TITLEFONTCOLOR));
    return band;
}

// Copies a composed band onto the window: transparent-colour pixels on the
// region rows fall outside the window (left as they are), elsewhere they let
// the form colour through.
void PutBand(Canvas& window, const Skin& skin, const Bitmap& band, int top, bool needsRegion, int minRow, int maxRow)
{
    const int first = minRow == -1 ? 0 : minRow;
    const int end = minRow < maxRow ? maxRow + 1 : band.Height();
    for (int y = 0; y < band.Height(); ++y)
        for (int x = 0; x < band.Width(); ++x) {
            Color color = band.ColorAt(x, y);
            if (needsRegion && color == skin.transparent) {
                if (y >= first && y < end)
                    continue;
                color = skin.formColor;
            }
            window.SetPixel(x, top + y, color);
        }
}

void DrawMenuBar(Canvas& canvas, const Skin& skin, const Rect& bar)
{
    if (const Bitmap* image = skin.Image(SKIN2_MENUBAR))
        Stretch(canvas, image, bar);
    else
        FillBar(canvas, bar, skin.ColorOf(SKIN2_MENUBARSTARTCOLOR), skin.ColorOf(SKIN2_MENUBARENDCOLOR));
    int x = bar.left + 2;
    bool first = true;
    for (const char* item : {"Game", "Help", "Skin"}) {
        const Rect itemRect = RectOfSize(x, bar.top + 1, TinyTextWidth(item) + 14, bar.Height() - 2);
        Color text = skin.ColorOf(SKIN2_TOPMENUFONTCOLOR);
        if (first) {
            canvas.FillRect(itemRect, skin.ColorOf(SKIN2_TOPSELECTEDMENUCOLOR));
            canvas.FrameRect(itemRect, skin.ColorOf(SKIN2_TOPSELECTEDMENUBORDERCOLOR));
            text = skin.ColorOf(SKIN2_TOPSELECTEDMENUFONTCOLOR);
        }
        if (std::string(item) == "Skin")
            text = DisabledText;
        DrawTinyText(canvas, itemRect.left + 7, itemRect.top + (itemRect.Height() - TinyFontHeight) / 2, item, text);
        x = itemRect.right;
        first = false;
    }
}

void DrawToolBar(Canvas& canvas, const Skin& skin, const Rect& bar)
{
    if (const Bitmap* image = skin.Image(SKIN2_TOOLBAR))
        Stretch(canvas, image, bar);
    else
        FillBar(canvas, bar, skin.ColorOf(SKIN2_TOOLBARSTARTCOLOR), skin.ColorOf(SKIN2_TOOLBARENDCOLOR));
    const Color border = skin.ColorOf(SKIN2_TOOLBARBORDERCOLOR);
    int x = bar.left + 160; // right of the open menu
    for (int i = 0; i < 5; ++i) {
        const Rect button = RectOfSize(x, bar.top + 2, 24, bar.Height() - 4);
        if (i == 1) {
            canvas.FillRect(button, skin.ColorOf(SKIN2_TOOLBARONCOLOR));
            canvas.FrameRect(button, border);
        } else if (i == 2) {
            canvas.FillRect(button, skin.ColorOf(SKIN2_TOOLBARDOWNCOLOR));
            canvas.FrameRect(button, border);
        }
        DrawTinyText(canvas, button.left + 10, button.top + (button.Height() - TinyFontHeight) / 2,
                     std::string(1, char('1' + i)), 0x000000);
        x += 26;
    }
}

// An open drop-down menu in the menu colours: glyph column, selected item,
// separator, a checked item with the skin's check mark, a disabled item.
void DrawMenu(Canvas& canvas, const Skin& skin, int left, int top)
{
    constexpr int Width = 150;
    constexpr int ColumnWidth = 26;
    constexpr int ItemHeight = 21;
    constexpr int SeparatorHeight = 5;
    struct Item {
        const char* caption;
        bool separator, selected, checked, disabled;
    };
    const Item items[] = {{"New Game", false, true, false, false}, {"Restart", false, false, false, false},
                          {"", true, false, false, false},         {"Easy", false, false, true, false},
                          {"Normal", false, false, false, false},   {"Print", false, false, false, true},
                          {"", true, false, false, false},         {"Quit", false, false, false, false}};
    int y = top + 2;
    const int height = 4 + [&] {
        int h = 0;
        for (const Item& item : items)
            h += item.separator ? SeparatorHeight : ItemHeight;
        return h;
    }();
    canvas.FillRect(RectOfSize(left, top, Width, height), skin.ColorOf(SKIN2_MENUITEMCOLOR));
    canvas.FrameRect(RectOfSize(left, top, Width, height), MenuFrameColor);
    auto leftBar = [&](const Rect& rect) {
        const Color from = skin.ColorOf(SKIN2_LEFTBARSTARTCOLOR), to = skin.ColorOf(SKIN2_LEFTBARENDCOLOR);
        if (from == to)
            canvas.FillRect(rect, from);
        else
            FillGradientH(canvas, rect, from, to);
    };
    for (const Item& item : items) {
        const int h = item.separator ? SeparatorHeight : ItemHeight;
        const Rect rect{left + 2, y, left + Width - 2, y + h};
        if (item.selected) {
            canvas.FillRect(rect, skin.ColorOf(SKIN2_SELECTEDMENUCOLOR));
            canvas.FrameRect(rect, skin.ColorOf(SKIN2_SELECTEDMENUBORDERCOLOR));
        } else {
            leftBar(Rect{rect.left, rect.top, rect.left + ColumnWidth, rect.bottom});
            canvas.FillRect(Rect{rect.left + ColumnWidth, rect.top, rect.right, rect.bottom},
                            skin.ColorOf(SKIN2_MENUITEMCOLOR));
        }
        if (item.separator) {
            canvas.HorzLine(rect.left + ColumnWidth + 4, rect.top + 2, rect.Width() - ColumnWidth - 6, SeparatorColor);
        } else {
            const Color text = item.disabled   ? DisabledText
                               : item.selected ? skin.ColorOf(SKIN2_SELECTEDMENUFONTCOLOR)
                                               : skin.ColorOf(SKIN2_MENUITEMFONTCOLOR);
            DrawTinyText(canvas, rect.left + ColumnWidth + 4, rect.top + (h - TinyFontHeight) / 2, item.caption, text);
            if (item.checked) {
                const Bitmap* check = skin.Image(SKIN2_CHECKEDMENUICON);
                Draw(canvas, check, rect.left + (ColumnWidth - WidthOf(check)) / 2,
                     rect.top + (16 + 5 - HeightOf(check)) / 2, skin.transparent);
            }
        }
        y += h;
    }
}

void DrawButtons(Canvas& canvas, const Skin& skin, int x, int y)
{
    const Bitmap* strip = skin.Image(SKIN2_BUTTON);
    const char* captions[] = {"OK", "Hot", "Pressed"};
    for (int state = 1; state <= 3; ++state) {
        Bitmap frame;
        CutFrame(strip, frame, 3, state);
        const Rect rect = RectOfSize(x, y, 75, 23);
        canvas.FillRect(rect, skin.formColor);
        DrawNineSlice(frame, canvas, rect, skin.transparent,
                      skin.Flag(SKIN2_BUTTONTRANS) ? CornerDrawing::Transparent : CornerDrawing::Opaque);
        const std::string caption = captions[state - 1];
        const int shift = state == 3 ? 1 : 0;
        DrawTinyText(canvas, x + (75 - TinyTextWidth(caption)) / 2 + shift, y + 8 + shift, caption,
                     skin.ColorOf(SKIN2_BUTTONFONTCOLOR));
        x += 83;
    }
}

void DrawChecks(Canvas& canvas, const Skin& skin, int x, int y)
{
    const struct {
        int image, frames, flag;
    } sets[] = {{SKIN2_CHECKBOX, 6, SKIN2_CHECKBOXTRANS}, {SKIN2_RADIOBUTTON, 4, SKIN2_RADIOBUTTONTRANS}};
    for (const auto& set : sets) {
        for (int frame = 1; frame <= set.frames; ++frame) {
            Bitmap box;
            CutFrame(skin.Image(set.image), box, set.frames, frame);
            Draw(canvas, &box, x, y, skin.MaskFor(set.flag));
            x += std::max(box.Width(), 13) + 8;
        }
        x += 12;
    }
}

void DrawCombo(Canvas& canvas, const Skin& skin, int x, int y)
{
    const Rect rect = RectOfSize(x, y, 130, 21);
    canvas.FillRect(rect, skin.ColorOf(SKIN2_CONTROLCOLOR));
    canvas.FrameRect(rect, skin.ColorOf(SKIN2_CONTROLBORDERCOLOR));
    const Rect button{rect.right - 18, rect.top + 1, rect.right - 1, rect.bottom - 1};
    canvas.VertLine(button.left, button.top, button.Height(), skin.ColorOf(SKIN2_CONTROLBORDERCOLOR));
    DrawArrowDown(canvas, button.left + button.Width() / 2 - 3, button.top + button.Height() / 2 - 1,
                  ArrowState::Enabled);
    DrawTinyText(canvas, rect.left + 5, rect.top + 7, "Expert", 0x000000);
    DrawTinyText(canvas, rect.right + 10, rect.top + 7, "Level", skin.ColorOf(SKIN2_CONTROLFONTCOLOR));
}

void DrawProgress(Canvas& canvas, const Skin& skin, const Rect& rect, int percent)
{
    const TvelSkinProgressBarRes& set = skin.progress;
    const int first = set.FirstWidth(), last = set.LastWidth();
    const int trackLength = rect.Width() - first - last;
    const int filled = trackLength * percent / 100;
    Bitmap pieces[4] = {set.Bars(1), set.Bars(2), set.Bars(3), set.Bars(4)};
    DrawThreePartV(pieces[0], canvas, Rect{rect.left, rect.top, rect.left + first, rect.bottom}, 2);
    DrawThreePartV(pieces[1], canvas, Rect{rect.left + first, rect.top, rect.left + first + filled, rect.bottom}, 2);
    DrawThreePartV(pieces[2], canvas, Rect{rect.left + first + filled, rect.top, rect.right - last, rect.bottom}, 2);
    DrawThreePartV(pieces[3], canvas, Rect{rect.right - last, rect.top, rect.right, rect.bottom}, 2);
}

void DrawTrackBar(Canvas& canvas, const Skin& skin, const Rect& rect, int percent)
{
    const Bitmap* channel = skin.Image(SKIN2_TRACKBAR);
    const Rect channelRect{rect.left + 8, rect.top + 8, rect.right - 8, rect.top + 12};
    if (channel != nullptr) {
        const int top = channelRect.top + (channelRect.Height() - channel->Height()) / 2;
        DrawThreePartH(*channel, canvas, Rect{channelRect.left, top, channelRect.right, top + channel->Height()},
                       skin.transparent, MaskedDraw::Masked);
    }
    const Bitmap* slider = skin.Image(SKIN2_TRACKBARSLIDER);
    const int thumbX = channelRect.left + channelRect.Width() * percent / 100 - WidthOf(slider) / 2;
    Draw(canvas, slider, thumbX, channelRect.top + channelRect.Height() / 2 - HeightOf(slider) / 2, skin.transparent);
    for (int tick = 0; tick <= 10; ++tick)
        canvas.VertLine(channelRect.left + channelRect.Width() * tick / 10, rect.bottom - 4, 3, 0x000000);
}

void DrawTabs(Canvas& canvas, const Skin& skin, const Rect& page)
{
    const Color mask = skin.MaskFor(SKIN2_TABCONTROLTRANS);
    canvas.FrameRect(page, skin.ColorOf(SKIN2_CONTROLBORDERCOLOR));
    const Bitmap& active = skin.tabs.ActiveTab(TvelSkinTabRes::Orientation::AsStored);
    const Bitmap& inactive = skin.tabs.InactiveTab(TvelSkinTabRes::Orientation::AsStored);
    const int tabHeight = std::max(active.Height() - 1, 1); // the last row lies on the page edge
    int x = page.left + 2;
    bool first = true;
    for (const char* caption : {"Board", "Notes", "Stats"}) {
        const int width = TinyTextWidth(caption) + 20;
        // Tab images carry their own height; the inactive ones start lower within it.
        const Rect tab = RectOfSize(x, page.top - tabHeight, width, tabHeight);
        DrawThreePartH(first ? active : inactive, canvas, tab, skin.transparent,
                       mask == NoTransparentColor ? MaskedDraw::Opaque : MaskedDraw::Masked);
        DrawTinyText(canvas, tab.left + 10, tab.top + 6, caption,
                     skin.ColorOf(first ? SKIN2_TABCONTROLACTIVEFONTCOLOR : SKIN2_TABCONTROLINACTIVEFONTCOLOR));
        x += width;
        first = false;
    }
    const Bitmap& line = skin.tabs.Line(TvelSkinTabRes::Orientation::AsStored);
    canvas.HorzLine(page.left + 1, page.top, page.Width() - 2, skin.formColor);
    Stretch(canvas, &line, Rect{page.left, page.top - 1, page.right, page.top - 1 + line.Height()});
}

// The scroll-bar painter's rules, vertical or horizontal.
void DrawScrollBar(Canvas& canvas, const Skin& skin, const Rect& bar, int thumbStart, int thumbLength, bool vertical)
{
    const TvelSkinScrollBtnRes& set = skin.scroll;
    canvas.FillRect(bar, skin.ColorOf(SKIN2_SCROLLBARCOLOR));
    const int side = vertical ? bar.Width() : bar.Height();
    if (vertical) {
        StretchHalftone(set.VertButtons(1), canvas, RectOfSize(bar.left, bar.top, side, side));
        StretchHalftone(set.VertButtons(4), canvas, RectOfSize(bar.left, bar.bottom - side, side, side));
    } else {
        StretchHalftone(set.HorzButtons(1), canvas, RectOfSize(bar.left, bar.top, side, side));
        StretchHalftone(set.HorzButtons(4), canvas, RectOfSize(bar.right - side, bar.top, side, side));
    }
    const Rect thumb = vertical ? RectOfSize(bar.left, bar.top + side + thumbStart, side, thumbLength)
                                : RectOfSize(bar.left + side + thumbStart, bar.top, thumbLength, side);
    if (set.ThreePartThumb() && thumbLength > 15) {
        if (vertical) {
            Bitmap whole = *set.WholeBar();
            DrawThreePartV(whole, canvas, thumb, 0);
        } else {
            DrawThreePartH(*set.WholeBarRotated(), canvas, thumb, skin.transparent, MaskedDraw::Opaque);
        }
        return;
    }
    auto section = [&](int index) -> const Bitmap& { return vertical ? set.VertThumb(index) : set.HorzThumb(index); };
    // Along the bar: a = start, b = end of the thumb; sections 1 and 5 at the ends,
    // the grip centred, bodies stretched between.
    auto place = [&](const Bitmap& image, int from, int to) {
        const Rect rect = vertical ? Rect{thumb.left, from, thumb.right, to} : Rect{from, thumb.top, to, thumb.bottom};
        StretchRect(canvas, rect, image, Rect{0, 0, image.Width(), image.Height()});
    };
    const int a = vertical ? thumb.top : thumb.left;
    const int b = vertical ? thumb.bottom : thumb.right;
    auto length = [&](const Bitmap& image) { return vertical ? image.Height() : image.Width(); };
    place(section(1), a, a + length(section(1)));
    place(section(5), b - length(section(5)), b);
    const int m = thumbLength - 6;
    const int grip = length(section(3));
    if (grip >= m) {
        place(section(3), a + 3, b - 3);
        return;
    }
    const int gripStart = a + 3 + (m - grip) / 2;
    place(section(3), gripStart, gripStart + grip);
    place(section(2), a + 3, gripStart);
    place(section(4), gripStart + grip, b - 3);
}

Bitmap RenderWindow(const Skin& skin)
{
    Bitmap window(WindowWidth, WindowHeight, PixelFromColor(SheetColor));
    Canvas canvas(window);
    int titleHeight = 0;
    const Bitmap title = ComposeTitle(skin, WindowWidth, titleHeight);
    const Bitmap* leftBorder = skin.Image(SKIN2_FORMLEFTBORDER);
    const Bitmap* rightBorder = skin.Image(SKIN2_FORMRIGHTBORDER);
    const Bitmap* bottom1 = skin.Image(SKIN2_FORMBOTTOMBORDER1);
    const int leftWidth = WidthOf(leftBorder), rightWidth = WidthOf(rightBorder), bottomHeight = HeightOf(bottom1);

    // Bottom band.
    Bitmap bottom(WindowWidth, std::max(bottomHeight, 1));
    {
        Canvas band(bottom);
        band.FillRect(band.Bounds(), skin.formColor);
        if (skin.Flag(SKIN2_BOTTOMBORDERTHREESECT)) {
            const Bitmap* bottom2 = skin.Image(SKIN2_FORMBOTTOMBORDER2);
            const Bitmap* bottom3 = skin.Image(SKIN2_FORMBOTTOMBORDER3);
            Draw(band, bottom1, 0, 0);
            Draw(band, bottom3, WindowWidth - WidthOf(bottom3), 0);
            Stretch(band, bottom2, Rect{WidthOf(bottom1), 0, WindowWidth - WidthOf(bottom3), bottomHeight});
        } else if (bottom1 != nullptr) {
            DrawThreePartH(*bottom1, band, Rect{0, 0, WindowWidth, bottomHeight}, skin.transparent, MaskedDraw::Opaque);
        }
    }

    const Rect client{leftWidth, titleHeight, WindowWidth - rightWidth, WindowHeight - bottomHeight};
    canvas.FillRect(client, skin.formColor);
    Stretch(canvas, leftBorder, Rect{0, titleHeight, leftWidth, WindowHeight - bottomHeight});
    Stretch(canvas, rightBorder, Rect{WindowWidth - rightWidth, titleHeight, WindowWidth, WindowHeight - bottomHeight});
    PutBand(canvas, skin, title, 0, skin.Flag(SKIN2_TITLEBARNEEDREGION), skin.Int(SKIN2_TITLEBARREGIONMINY),
            skin.Int(SKIN2_TITLEBARREGIONMAXY));
    PutBand(canvas, skin, bottom, WindowHeight - bottomHeight, skin.Flag(SKIN2_BOTTOMBORDERNEEDREGION),
            skin.Int(SKIN2_BOTTOMREGIONMINY), skin.Int(SKIN2_BOTTOMREGIONMAXY));

    const Rect menuBar{client.left, client.top, client.right, client.top + MenuBarHeight};
    DrawMenuBar(canvas, skin, menuBar);
    DrawToolBar(canvas, skin, Rect{client.left, menuBar.bottom, client.right, menuBar.bottom + ToolBarHeight});

    const int controlsLeft = client.left + 172;
    int y = menuBar.bottom + ToolBarHeight + 12;
    DrawButtons(canvas, skin, controlsLeft, y);
    y += 34;
    DrawChecks(canvas, skin, controlsLeft, y);
    y += 26;
    DrawCombo(canvas, skin, controlsLeft, y);
    y += 32;
    DrawProgress(canvas, skin, RectOfSize(controlsLeft, y, 200, 16), 60);
    y += 24;
    DrawTrackBar(canvas, skin, RectOfSize(controlsLeft - 8, y, 216, 24), 35);
    y += 52;
    const Rect page = RectOfSize(controlsLeft, y, 230, 60);
    DrawTabs(canvas, skin, page);
    DrawScrollBar(canvas, skin, Rect{page.left + 2, page.bottom - 19, page.right - 19, page.bottom - 2}, 30, 50, false);
    DrawScrollBar(canvas, skin, Rect{client.right - 17, menuBar.bottom + ToolBarHeight, client.right, client.bottom}, 40,
                  60, true);
    DrawMenu(canvas, skin, client.left + 2, menuBar.bottom - 1);
    return window;
}

void DrawChecker(Canvas& canvas, const Rect& rect)
{
    constexpr int Cell = 4;
    for (int y = rect.top; y < rect.bottom; y += Cell)
        for (int x = rect.left; x < rect.right; x += Cell)
            canvas.FillRect(Intersect(RectOfSize(x, y, Cell, Cell), rect),
                            ((x - rect.left) / Cell + (y - rect.top) / Cell) % 2 ? CheckerDark : CheckerLight);
}

} // namespace

Bitmap RenderContactSheet(const TvelSkinReader& reader)
{
    const Skin skin(reader);
    const Bitmap window = RenderWindow(skin);

    // Lay the image tiles out first to know the sheet's height.
    struct Tile {
        int index;
        int x, y, scale;
    };
    std::vector<Tile> tiles;
    const int tilesWidth = SheetWidth - TilesLeft - Margin;
    int x = 0, y = Margin, rowHeight = 0;
    for (int index = 0; index < SkinImageCount; ++index) {
        const Bitmap* image = reader.GetBitmap(index);
        if (image == nullptr)
            continue;
        const int scale = image->Width() * 3 <= tilesWidth / 2 && image->Height() <= 40 ? 3
                          : image->Width() * 2 <= tilesWidth                             ? 2
                                                                                         : 1;
        const std::string_view name = SkinKeyName(SkinKeyGroup::Images, index).substr(6);
        const int width = std::max(image->Width() * scale, TinyTextWidth(name)) + 12;
        const int height = image->Height() * scale + TinyFontHeight + 6 + 12;
        if (x + width > tilesWidth && x > 0) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        tiles.push_back({index, TilesLeft + x, y, scale});
        x += width;
        rowHeight = std::max(rowHeight, height);
    }
    const int sheetHeight = std::max({SheetMinHeight, y + rowHeight + Margin, WindowHeight * WindowZoom + 2 * Margin});

    Bitmap sheet(SheetWidth, sheetHeight, PixelFromColor(SheetColor));
    Canvas canvas(sheet);
    StretchRect(canvas, RectOfSize(Margin, Margin, WindowWidth * WindowZoom, WindowHeight * WindowZoom), window,
                Rect{0, 0, WindowWidth, WindowHeight});
    for (const Tile& tile : tiles) {
        const Bitmap& image = *reader.GetBitmap(tile.index);
        const Rect area = RectOfSize(tile.x, tile.y, image.Width() * tile.scale, image.Height() * tile.scale);
        DrawChecker(canvas, area);
        // The transparent colour shows as the checker pattern behind the image.
        StretchRectMasked(canvas, area, image, Rect{0, 0, image.Width(), image.Height()}, skin.transparent);
        DrawTinyText(canvas, tile.x, area.bottom + 4, SkinKeyName(SkinKeyGroup::Images, tile.index).substr(6),
                     LabelColor);
    }
    return sheet;
}

} // namespace orvane
