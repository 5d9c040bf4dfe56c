#include "core/skinframe/TitleBand.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/EllipsizeText.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinReader.h"

#include <algorithm>

namespace orvane {
namespace {

// The hot and pressed frames follow each button's normal frame in the strip.
constexpr int HotOffset = 1;
constexpr int PressedOffset = 2;

// Room between the caption's start and the icon's place (see TitleLayout).
constexpr int CaptionOffset = 20;
// Space kept free between the shortened caption and the button reserve.
constexpr int CaptionMargin = 4;
// The plate behind a five-section caption reaches this far past the text.
constexpr int PlateMargin = 2;

// A disabled button's pixels become greys in this range, darkest to
// lightest, by their brightness: the glyph stays readable on a button that
// no longer looks pressable.
constexpr int FadedDarkest = 96;
constexpr int FadedRange = 96;

Color Faded(Color color)
{
    const int red = int(color & 0xFF);
    const int green = int((color >> 8) & 0xFF);
    const int blue = int((color >> 16) & 0xFF);
    const int brightness = (299 * red + 587 * green + 114 * blue) / 1000;
    const auto grey = Color(FadedDarkest + brightness * FadedRange / 255);
    return grey | (grey << 8) | (grey << 16);
}

int WidthOf(const Bitmap* bitmap) { return bitmap ? bitmap->Width() : 0; }
int HeightOf(const Bitmap* bitmap) { return bitmap ? bitmap->Height() : 0; }

// Every title image goes into the band as it is, transparent-colour pixels
// included: those pixels are what the window region cuts away, and the form
// colour shows through them when the band is put on the screen.
void Draw(Canvas& band, int x, int y, const Bitmap* image)
{
    if (image)
        CopyRect(band, x, y, *image, Rect{0, 0, image->Width(), image->Height()});
}

void Stretch(Canvas& band, const Rect& destination, const Bitmap* image)
{
    if (image)
        StretchRect(band, destination, *image, Rect{0, 0, image->Width(), image->Height()});
}

struct ButtonStrip {
    const Bitmap* image = nullptr;
    int frameWidth = 0;
    int frameHeight = 0;
    bool masked = false;
    Color transparent = 0;

    // Draws frame `index` (from 1) at (x, y); the strip's pixels are copied
    // straight from their frame, which is what cutting the frame out first
    // and drawing it would give.
    void DrawFrame(Canvas& band, int x, int y, int index) const
    {
        if (!image || frameWidth <= 0)
            return;
        const Rect source = RectOfSize((index - 1) * frameWidth, 0, frameWidth, frameHeight);
        if (masked)
            CopyRectMasked(band, x, y, *image, source, transparent);
        else
            CopyRect(band, x, y, *image, source);
    }

    // Frame `index` faded to grey, for a button that is shown but does not
    // act. Transparent-colour pixels are left out or copied as they are, as
    // DrawFrame treats them.
    void DrawFadedFrame(Canvas& band, int x, int y, int index) const
    {
        if (!image || frameWidth <= 0)
            return;
        const int left = (index - 1) * frameWidth;
        for (int row = 0; row < frameHeight && row < image->Height(); ++row)
            for (int column = 0; column < frameWidth && left + column < image->Width(); ++column) {
                const Color color = image->ColorAt(left + column, row);
                if (color == transparent && masked)
                    continue;
                band.SetPixel(x + column, y + row, color == transparent ? color : Faded(color));
            }
    }
};

} // namespace

int TitleBandHeight(const FrameWindow& window) { return std::max(window.titleHeight, window.origTopHeight); }

int TitleWidthForCaption(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window,
                         const TextMeasurer& captionFont)
{
    const int bw = WidthOf(skin.GetBitmap(SKIN2_TITLEBUTTONS)) / ButtonStripFrames;
    int reserve = TitleButtonReserve(window, bw, metrics.dpi);
    if (skin.GetFlag(SKIN2_TITLEFIVESECT))
        reserve += WidthOf(skin.GetBitmap(SKIN2_TITLEBAR3));
    // The caption's room is measured from the icon's caption place whether
    // or not an icon is drawn (see ComposeTitleBand).
    const int notNarrow = WidthOf(skin.GetBitmap(SKIN2_TITLEBAR1)) + reserve;
    // A caption of fewer than two characters has nothing to shorten.
    const auto shortenable = [](const auto& text) { return text.size() >= 2; };
    if (!shortenable(window.ansiCaption) && !shortenable(window.wideCaption))
        return notNarrow;
    const int captionX = metrics.iconX + metrics.Scaled(CaptionOffset);
    int text = captionFont.TextWidth(window.ansiCaption);
    if (!window.wideCaption.empty())
        text = std::max(text, captionFont.TextWidth(window.wideCaption));
    return std::max(captionX + text + reserve + metrics.Scaled(CaptionMargin), notNarrow);
}

CaptionPlacement ComposeTitleBand(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window,
                                  const TitleLayout& layout, const TextMeasurer& captionFont, Canvas& band)
{
    const int w = window.width;
    const int t = window.titleHeight;
    const int bandHeight = TitleBandHeight(window);
    const int leftBorder = metrics.leftBorderWidth;
    const int rightBorder = metrics.rightBorderWidth;

    ButtonStrip strip;
    strip.image = skin.GetBitmap(SKIN2_TITLEBUTTONS);
    strip.frameWidth = layout.buttonFrameWidth;
    strip.frameHeight = layout.buttonFrameHeight;
    strip.masked = skin.GetFlag(SKIN2_TITLEBTNTRANS);
    strip.transparent = metrics.transparentColor;
    int reserve = layout.buttonReserve;

    band.FillRect(Rect{0, 0, w, t}, metrics.formColor);
    // Below a title lower than the unskinned one lies the menu bar, or the form.
    if (t < window.origTopHeight)
        band.FillRect(Rect{0, t, w, window.origTopHeight},
                      window.menuBarHeight >= 1 ? skin.GetColor(SKIN2_MENUBARSTARTCOLOR) : metrics.formColor);

    // The caption's room and the five-section plate are measured from the
    // icon's caption place whether or not an icon is drawn.
    const int captionX = metrics.iconX + metrics.Scaled(CaptionOffset);
    const int plateMargin = metrics.Scaled(PlateMargin);
    std::wstring wideCaption;
    std::string ansiCaption;
    const auto shortenCaption = [&] {
        const int room = w - captionX - reserve - metrics.Scaled(CaptionMargin);
        if (!window.wideCaption.empty())
            wideCaption = EllipsizeText(captionFont, window.wideCaption, room);
        ansiCaption = EllipsizeText(captionFont, window.ansiCaption, room);
    };

    if (window.Minimized()) {
        Stretch(band, Rect{0, 0, w, window.height}, skin.GetBitmap(SKIN2_MINIMIZEDTITLE));
        shortenCaption();
    } else {
        const bool fiveSections = skin.GetFlag(SKIN2_TITLEFIVESECT);
        const Bitmap* rightCap = skin.GetBitmap(fiveSections ? SKIN2_TITLEBAR5 : SKIN2_TITLEBAR3);
        const Bitmap* left = skin.GetBitmap(SKIN2_TITLEBAR1);
        const int capWidth = WidthOf(rightCap);
        const int r = w - capWidth;
        Draw(band, r, 0, rightCap);
        Draw(band, 0, 0, left);
        const int l1 = WidthOf(left);
        const bool leftFillsWindow = l1 >= w;
        int x = l1;

        const Bitmap* filler = nullptr;
        if (fiveSections) {
            // The caption sits on a plate (TITLEBAR2) that ends in TITLEBAR3
            // just past the text; TITLEBAR4 fills the rest up to the right cap.
            const Bitmap* plateEnd = skin.GetBitmap(SKIN2_TITLEBAR3);
            reserve += WidthOf(plateEnd);
            shortenCaption();
            const int e = captionFont.TextWidth(ansiCaption) + captionX;
            const Bitmap* plate = skin.GetBitmap(SKIN2_TITLEBAR2);
            Stretch(band, Rect{l1, 0, e + plateMargin, HeightOf(plate)}, plate);
            Draw(band, e + plateMargin, 0, plateEnd);
            x = e + plateMargin + WidthOf(plateEnd);
            filler = skin.GetBitmap(SKIN2_TITLEBAR4);
        } else {
            shortenCaption();
            filler = skin.GetBitmap(SKIN2_TITLEBAR2);
        }
        if (x < r)
            Stretch(band, Rect{x, 0, r, HeightOf(filler)}, filler);

        // The image whose foot the form colour continues below, when the band
        // is deeper than it.
        const Bitmap* reference = filler;
        if (w - reserve < l1) {
            // Too narrow for the left section and the buttons: the right cap
            // goes back on top of whatever the left section covered, and the
            // left section is squeezed between the left border and the cap.
            if (w - capWidth > leftBorder) {
                Draw(band, w - capWidth, 0, rightCap);
            } else if (rightCap && w - leftBorder > 0) {
                const int columns = w - leftBorder;
                CopyRect(band, leftBorder, 0, *rightCap,
                         Rect{capWidth - columns, 0, capWidth, HeightOf(rightCap)});
            }
            Stretch(band, Rect{leftBorder, 0, std::max(leftBorder, w - capWidth), bandHeight}, left);
            reference = left;
        } else if (leftFillsWindow) {
            // Kept for windows no wider than the left section; with a reserve
            // of at least 13 pixels such a window is always narrow above.
            if (rightCap)
                CopyRect(band, w - rightBorder, 0, *rightCap,
                         Rect{capWidth - rightBorder, 0, capWidth, HeightOf(rightCap)});
            reference = rightCap;
        }
        const int referenceHeight = HeightOf(reference);
        if (referenceHeight < bandHeight) {
            if (window.hasBorder)
                band.FillRect(Rect{leftBorder, referenceHeight + window.titleExtra, w - rightBorder, bandHeight},
                              metrics.formColor);
            else
                band.FillRect(Rect{0, referenceHeight, w, bandHeight}, metrics.formColor);
        }
    }

    // The buttons where the layout puts them; the hot one in its hot frame,
    // or pressed while the button is down.
    for (int index = 0; index < layout.buttonCount; ++index) {
        const TitleButtonPlace& button = layout.buttons[std::size_t(index)];
        if (!button.enabled) {
            strip.DrawFadedFrame(band, button.drawn.left, button.drawn.top, button.normalFrame);
            continue;
        }
        int frame = button.normalFrame;
        if (window.hotPart == button.part)
            frame += window.buttonDown ? PressedOffset : HotOffset;
        strip.DrawFrame(band, button.drawn.left, button.drawn.top, frame);
    }

    CaptionPlacement caption;
    caption.x = layout.captionX;
    caption.top = layout.captionTop;
    caption.color = window.isActive ? metrics.activeCaptionColor : metrics.inactiveCaptionColor;
    caption.wideText = std::move(wideCaption);
    caption.ansiText = std::move(ansiCaption);
    return caption;
}

} // namespace orvane
