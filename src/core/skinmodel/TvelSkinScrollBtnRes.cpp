#include "core/skinmodel/TvelSkinScrollBtnRes.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/CutFrame.h"
#include "core/raster/ReplaceColor.h"
#include "core/raster/Rotate.h"
#include "core/skinmodel/SkinKeys.h"

#include <utility>

namespace orvane {
namespace {

constexpr int ButtonStates = 3;
constexpr int PreparedBitsPerPixel = 24;

// Skins made for drawing the thumb in one piece carry this mark: the
// scroll-bar colour 0xCBCBCB and a 33-pixel thumb with the colour 0xB23901
// at (1, 10).
constexpr Color WholeThumbTrackColor = 0xCBCBCB;
constexpr int WholeThumbHeight = 33;
constexpr int WholeThumbMarkX = 1;
constexpr int WholeThumbMarkY = 10;
constexpr Color WholeThumbMarkColor = 0xB23901;

// Thumb layout: 3 cap rows at each end, and the unused row 3 below the top cap.
constexpr int ThumbCapRows = 3;
constexpr int ThumbBodyStart = ThumbCapRows + 1;
constexpr int ThumbFixedRows = 2 * ThumbCapRows;

// A grip at most this wide, or with one colour from x = 4 to width - 4 on its
// second row, looks the same turned either way.
constexpr int UniformGripMaxWidth = 7;
constexpr int GripMargin = 4;

Bitmap Prepared()
{
    Bitmap bitmap;
    bitmap.BitsPerPixel = PreparedBitsPerPixel;
    return bitmap;
}

// `count` rows of the source from `first` on, full width; rows outside the
// source stay black.
Bitmap RowsOf(const Bitmap& source, int first, int count)
{
    Bitmap section = Prepared();
    section.SetSize(source.Width(), count);
    Canvas canvas(section);
    CopyRect(canvas, 0, 0, source, Rect{0, first, source.Width(), first + count});
    return section;
}

bool GripIsUniform(const Bitmap& grip)
{
    if (grip.Width() <= UniformGripMaxWidth || grip.Height() < 2)
        return true;
    const Color first = grip.ColorAt(GripMargin, 1);
    for (int x = GripMargin; x <= grip.Width() - GripMargin; ++x)
        if (grip.ColorAt(x, 1) != first)
            return false;
    return true;
}

Bitmap Turned(Bitmap bitmap, void (*turn)(Bitmap&))
{
    turn(bitmap);
    return bitmap;
}

} // namespace

const Bitmap& TvelSkinScrollBtnRes::HorzButtons(int index) const
{
    return index >= 1 && index <= ButtonCount ? horzButtons[std::size_t(index - 1)] : NoBitmap();
}

const Bitmap& TvelSkinScrollBtnRes::VertButtons(int index) const
{
    return index >= 1 && index <= ButtonCount ? vertButtons[std::size_t(index - 1)] : NoBitmap();
}

const Bitmap& TvelSkinScrollBtnRes::HorzThumb(int index) const
{
    return index >= 1 && index <= ThumbSectionCount ? horzThumb[std::size_t(index - 1)] : NoBitmap();
}

const Bitmap& TvelSkinScrollBtnRes::VertThumb(int index) const
{
    return index >= 1 && index <= ThumbSectionCount ? vertThumb[std::size_t(index - 1)] : NoBitmap();
}

void TvelSkinScrollBtnRes::Clear()
{
    for (auto* set : {&horzButtons, &vertButtons})
        set->fill(Bitmap());
    for (auto* set : {&horzThumb, &vertThumb})
        set->fill(Bitmap());
    wholeBar.reset();
    wholeBarRotated.reset();
    threePartThumb = false;
    barWidth = 0;
}

void TvelSkinScrollBtnRes::Reload()
{
    Clear();
    if (!ReaderReady())
        return;
    for (auto* set : {&horzButtons, &vertButtons})
        set->fill(Prepared());
    for (auto* set : {&horzThumb, &vertThumb})
        set->fill(Prepared());

    PrepareButtons();
    const Bitmap* thumb = reader->GetBitmap(SKIN2_SCROLLBAR);
    if (thumb == nullptr) {
        // Without a thumb the buttons are still usable; they get the track
        // colour where the skin has its transparent colour, as they would with one.
        ReplaceTransparentColor();
        return;
    }
    PrepareThumb(*thumb);
    TurnForHorizontalBars();
    ReplaceTransparentColor();
    barWidth = vertThumb[0].Width();
}

void TvelSkinScrollBtnRes::PrepareButtons()
{
    const Bitmap* up = reader->GetBitmap(SKIN2_SCROLLBARUPBUTTON);
    const Bitmap* down = reader->GetBitmap(SKIN2_SCROLLBARDOWNBUTTON);
    for (int state = 1; state <= ButtonStates; ++state) {
        CutFrame(up, vertButtons[std::size_t(state - 1)], ButtonStates, state);
        CutFrame(down, vertButtons[std::size_t(state - 1 + ButtonStates)], ButtonStates, state);
    }
    for (int i = 0; i < ButtonCount; ++i)
        horzButtons[std::size_t(i)] = Turned(vertButtons[std::size_t(i)], RotateCCW90);
}

void TvelSkinScrollBtnRes::PrepareThumb(const Bitmap& thumb)
{
    threePartThumb = reader->GetColor(SKIN2_SCROLLBARCOLOR) == WholeThumbTrackColor &&
                     thumb.Height() == WholeThumbHeight && thumb.Contains(WholeThumbMarkX, WholeThumbMarkY) &&
                     thumb.ColorAt(WholeThumbMarkX, WholeThumbMarkY) == WholeThumbMarkColor;
    if (threePartThumb) {
        wholeBar = thumb;
        wholeBarRotated = Turned(thumb, RotateCCW90);
    }

    //   rows 0-2              section 1 (cap)
    //   row 3                 not used
    //   rows 4 .. 3+f         section 2 (f = (h - 6) div 3)
    //   the next h-2f-6 rows  section 3 (grip)
    //   rows h-f-3 .. h-4     section 4
    //   rows h-3 .. h-1       section 5 (cap)
    const int h = thumb.Height();
    const int f = (h - ThumbFixedRows) / 3;
    vertThumb[0] = RowsOf(thumb, 0, ThumbCapRows);
    vertThumb[4] = RowsOf(thumb, h - ThumbCapRows, ThumbCapRows);
    if (f > 0) {
        vertThumb[1] = RowsOf(thumb, ThumbBodyStart, f);
        vertThumb[2] = RowsOf(thumb, ThumbBodyStart + f, h - 2 * f - ThumbFixedRows);
        vertThumb[3] = RowsOf(thumb, h - f - ThumbCapRows, f);
        return;
    }
    // Too short for a body: one empty row each.
    for (int i = 1; i <= 3; ++i) {
        vertThumb[std::size_t(i)] = Prepared();
        vertThumb[std::size_t(i)].SetSize(thumb.Width(), 1);
    }
}

void TvelSkinScrollBtnRes::TurnForHorizontalBars()
{
    if (GripIsUniform(vertThumb[2])) {
        for (int i = 0; i < ThumbSectionCount; ++i)
            horzThumb[std::size_t(i)] = Turned(vertThumb[std::size_t(i)], RotateCCW90);
        return;
    }
    // A grip with a direction is turned clockwise, which reverses the order of
    // the sections; the buttons follow the same turn (anticlockwise and a half
    // turn), the left button now coming from the down button.
    for (int i = 0; i < ThumbSectionCount; ++i)
        horzThumb[std::size_t(ThumbSectionCount - 1 - i)] = Turned(vertThumb[std::size_t(i)], RotateCW90);
    for (int i = 0; i < ButtonStates; ++i) {
        std::swap(horzButtons[std::size_t(i)], horzButtons[std::size_t(i + ButtonStates)]);
        Rotate180(horzButtons[std::size_t(i)]);
        Rotate180(horzButtons[std::size_t(i + ButtonStates)]);
    }
}

void TvelSkinScrollBtnRes::ReplaceTransparentColor()
{
    const Color transparent = reader->GetColor(SKIN2_TRANSCOLOR);
    const Color track = reader->GetColor(SKIN2_SCROLLBARCOLOR);
    for (auto* set : {&horzButtons, &vertButtons})
        for (Bitmap& bitmap : *set)
            ReplaceColor(bitmap, transparent, track);
    for (auto* set : {&horzThumb, &vertThumb})
        for (Bitmap& bitmap : *set)
            ReplaceColor(bitmap, transparent, track);
}

} // namespace orvane
