#include "skin/painters/FramePainter.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Canvas.h"
#include "core/skinframe/FrameBorders.h"
#include "core/skinframe/FrameChanges.h"
#include "core/skinframe/TitleBand.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "skin/GdiTextMeasurer.h"
#include "skin/SystemFonts.h"
#include "skin/look/TSkinLook.h"

#include <algorithm>

namespace orvane::skin {

using namespace framework;

namespace {

// The caption is drawn as one line into a rectangle from its place to here.
constexpr int CaptionRight = 2048;
constexpr int CaptionBottom = 100;

// A band bitmap of the given size, made anew only when its size changes.
void SizeBand(TBitmap& band, int width, int height)
{
    if (band.Width() != width || band.Height() != height)
        band.SetSize(std::max(width, 0), std::max(height, 0));
}

bool ShowsTitle(const FrameWindow& frame) { return frame.hasCaption && !frame.MaximizedMDIChild(); }

std::wstring WideFromAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

void Copy(HDC windowDc, int x, int y, TBitmap& picture)
{
    BitBlt(windowDc, x, y, picture.Width(), picture.Height(), picture.Canvas().Handle(), 0, 0, SRCCOPY);
}

} // namespace

void TFramePainter::Forget()
{
    titleKnown = false;
    titleOnWindow = false;
    bordersKnown = false;
    titleLook = nullptr;
    bordersLook = nullptr;
}

bool TFramePainter::TitleChanged(const TSkinLook& look, const FrameWindow& frame, HICON icon) const
{
    return !titleKnown || !titleOnWindow || titleLook != &look || titleIcon != icon ||
           !SameTitleBand(titleState, frame);
}

void TFramePainter::Prepare(const TSkinLook& look, const FrameWindow& frame, const TitleLayout& layout, HICON icon,
                            TBandRegions cut)
{
    if (cut.title != regions.title || cut.bottom != regions.bottom) {
        regions = cut;
        Forget();
    }
    if (ShowsTitle(frame) &&
        (!titleKnown || titleLook != &look || titleIcon != icon || !SameTitleBand(titleState, frame)))
        ComposeTitle(look, frame, layout, icon);
    if (ShowsBorders(frame) && (!bordersKnown || bordersLook != &look || !SameBorders(bordersState, frame)))
        ComposeBorders(look, frame);
}

void TFramePainter::ComposeTitle(const TSkinLook& look, const FrameWindow& frame, const TitleLayout& layout,
                                 HICON icon)
{
    titleKnown = false;
    titleOnWindow = false;
    SizeBand(titleBand, frame.width, TitleBandHeight(frame));
    if (titleBand.Empty())
        return;
    const FrameMetrics& metrics = look.Metrics();
    HDC bandDc = titleBand.Canvas().Handle();
    TSelectedObject font;
    font.Select(bandDc, CaptionFontForDpi(metrics.dpi));
    const TGdiTextMeasurer measurer(bandDc);
    CaptionPlacement caption;
    {
        Canvas pixels(titleBand.CoreBitmap());
        caption = ComposeTitleBand(look.Reader(), metrics, frame, layout, measurer, pixels);
    }
    if (layout.hasIcon && icon)
        DrawIconEx(bandDc, layout.iconRect.left, layout.iconRect.top, icon, layout.iconRect.Width(),
                   layout.iconRect.Height(), 0, nullptr, DI_NORMAL);
    shownCaption = caption.wideText.empty() ? WideFromAnsi(caption.ansiText) : caption.wideText;
    SetBkMode(bandDc, TRANSPARENT);
    SetTextColor(bandDc, COLORREF(caption.color));
    if (!caption.wideText.empty()) {
        RECT area{caption.x, caption.top, CaptionRight, CaptionBottom};
        DrawTextW(bandDc, caption.wideText.c_str(), int(caption.wideText.size()), &area,
                  DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    } else if (!caption.ansiText.empty()) {
        TextOutA(bandDc, caption.x, caption.top, caption.ansiText.c_str(), int(caption.ansiText.size()));
    }
    font.Restore();
    GdiFlush();
    titleBand.CoreBitmap().Transparent = regions.title;
    titleBand.CoreBitmap().TransparentColor = metrics.transparentColor;
    ComposeOut(look, titleBand, titleBandOut, regions.title);

    titleKnown = true;
    titleState = frame;
    titleLook = &look;
    titleIcon = icon;
    ++titleCompositions;
}

void TFramePainter::ComposeBorders(const TSkinLook& look, const FrameWindow& frame)
{
    const FrameMetrics& metrics = look.Metrics();
    for (FrameSide side : {FrameSide::Left, FrameSide::Right}) {
        const Rect area = SideStripRect(metrics, frame, side);
        TBitmap& strip = side == FrameSide::Left ? leftStrip : rightStrip;
        SizeBand(strip, area.Width(), area.Height());
        if (strip.Empty())
            continue;
        Canvas pixels(strip.CoreBitmap());
        ComposeSideStrip(look.Reader(), metrics, frame, side, pixels);
    }
    const Bitmap* bottomImage = look.Reader().GetBitmap(SKIN2_FORMBOTTOMBORDER1);
    SizeBand(bottomBand, frame.width, bottomImage ? bottomImage->Height() : 0);
    if (!bottomBand.Empty()) {
        {
            Canvas pixels(bottomBand.CoreBitmap());
            ComposeBottomBand(look.Reader(), frame, pixels);
        }
        bottomBand.CoreBitmap().Transparent = regions.bottom;
        bottomBand.CoreBitmap().TransparentColor = metrics.transparentColor;
        ComposeOut(look, bottomBand, bottomBandOut, regions.bottom);
    }
    bordersKnown = true;
    bordersState = frame;
    bordersLook = &look;
    ++borderCompositions;
}

void TFramePainter::ComposeOut(const TSkinLook& look, TBitmap& band, std::unique_ptr<TBitmap>& out, bool cut)
{
    if (!cut) {
        out.reset();
        return;
    }
    // The transparent corners show the form colour: they lie outside the
    // window region, and the form colour is what shows while the region is
    // being changed.
    if (!out)
        out = std::make_unique<TBitmap>();
    SizeBand(*out, band.Width(), band.Height());
    Canvas pixels(out->CoreBitmap());
    pixels.FillRect(Rect{0, 0, band.Width(), band.Height()}, look.FormColor());
    DrawBitmap(pixels, 0, 0, band.CoreBitmap());
}

void TFramePainter::Paint(HDC windowDc, const TSkinLook& look, const FrameWindow& frame)
{
    ++paints;
    if (ShowsTitle(frame) && titleKnown) {
        Copy(windowDc, 0, 0, titleBandOut ? *titleBandOut : titleBand);
        titleOnWindow = true;
    }
    if (!ShowsBorders(frame) || !bordersKnown)
        return;
    const FrameMetrics& metrics = look.Metrics();
    for (FrameSide side : {FrameSide::Left, FrameSide::Right}) {
        TBitmap& strip = side == FrameSide::Left ? leftStrip : rightStrip;
        if (strip.Empty())
            continue;
        const Rect area = SideStripRect(metrics, frame, side);
        Copy(windowDc, area.left, area.top, strip);
    }
    if (!bottomBand.Empty())
        Copy(windowDc, 0, frame.height - metrics.bottomBorderHeight, bottomBandOut ? *bottomBandOut : bottomBand);
    const Rect gap = BottomGapRect(metrics, frame);
    if (!gap.Empty()) {
        const RECT fill{gap.left, gap.top, gap.right, gap.bottom};
        FillRect(windowDc, &fill, look.FormBrush());
    }
}

const Bitmap* TFramePainter::TitlePixels() { return titleKnown ? &titleBand.CoreBitmap() : nullptr; }

const Bitmap* TFramePainter::BottomPixels()
{
    return bordersKnown && !bottomBand.Empty() ? &bottomBand.CoreBitmap() : nullptr;
}

} // namespace orvane::skin
