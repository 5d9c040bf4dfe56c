#include "skin/controls/TvelSkinTrackBar.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Rotate.h"
#include "core/raster/ThreePartDraw.h"
#include "core/skincontrols/TrackBarMarks.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"

#include <commctrl.h>

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int UprightChannelShift = 2; // an upright channel sits 2 pixels right of the system's
constexpr Color ColorBits = 0xFFFFFF;

Rect FromRECT(const RECT& rect) { return Rect{rect.left, rect.top, rect.right, rect.bottom}; }

TrackBarTickSides TickSidesOf(LONG style)
{
    if (style & TBS_NOTICKS)
        return TrackBarTickSides::None;
    if (style & TBS_BOTH)
        return TrackBarTickSides::Both;
    if (style & TBS_TOP) // TBS_LEFT for an upright track bar
        return TrackBarTickSides::TopLeft;
    return TrackBarTickSides::BottomRight;
}

} // namespace

bool TvelSkinTrackBar::Vertical() { return (GetWindowLongW(GetHandle(), GWL_STYLE) & TBS_VERT) != 0; }

void TvelSkinTrackBar::SkinChanged()
{
    channelImage = Bitmap();
    if (!Skinning())
        return;
    Look().GetSkinBitmap(SKIN2_TRACKBAR, channelImage, 1, 1);
    if (!channelImage.Empty() && Vertical())
        RotateCCW90(channelImage);
    if (HWND window = Handle())
        InvalidateRect(window, nullptr, TRUE);
}

void TvelSkinTrackBar::Release()
{
    channelImage = Bitmap();
    TvelSkinControlFramework::Release();
}

bool TvelSkinTrackBar::BeforeMessage(TMessage& message)
{
    if (AnswerOwnPaintMessages(message))
        return false;
    switch (message.Msg) {
    case WM_KILLFOCUS:
        // Sent while the window still has the focus: paint it as it will be.
        if (Skinning())
            PaintLook(false);
        return false;
    case CM_GOTFOCUS:
        Repaint();
        return false;
    default:
        return true;
    }
}

void TvelSkinTrackBar::Paint() { PaintLook(GetFocus() == Handle()); }

void TvelSkinTrackBar::PaintLook(bool focused)
{
    HWND window = GetHandle();
    const RECT client = GetBounds();
    const int width = client.right, height = client.bottom;
    if (!window || width <= 0 || height <= 0 || channelImage.Empty())
        return;
    const TSkinLook& look = Look();
    const bool vertical = Vertical();
    const LONG style = GetWindowLongW(window, GWL_STYLE);

    RECT systemChannel{};
    SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&systemChannel));
    // An upright track bar reports its channel as if it lay flat (some
    // systems report it as it stands: then it is already taller than wide).
    const bool transposed =
        vertical && systemChannel.right - systemChannel.left > systemChannel.bottom - systemChannel.top;
    const Rect channel = transposed
                             ? Rect{systemChannel.top, systemChannel.left, systemChannel.bottom, systemChannel.right}
                             : FromRECT(systemChannel);
    RECT systemThumb{};
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&systemThumb));

    TrackBarMarksInput input;
    input.channel = channel;
    input.thumb = FromRECT(systemThumb);
    input.vertical = vertical;
    input.sides = TickSidesOf(style);
    input.minimum = int(SendMessageW(window, TBM_GETRANGEMIN, 0, 0));
    input.maximum = int(SendMessageW(window, TBM_GETRANGEMAX, 0, 0));
    input.selStart = int(SendMessageW(window, TBM_GETSELSTART, 0, 0));
    input.selEnd = int(SendMessageW(window, TBM_GETSELEND, 0, 0));
    // The inner ticks' values, placed by the same arithmetic as the thumb:
    // the system's own tick positions are not reliable for an upright bar.
    const int tickCount = int(SendMessageW(window, TBM_GETNUMTICS, 0, 0));
    for (int tick = 0; tick + 2 < tickCount; ++tick) {
        const int value = int(SendMessageW(window, TBM_GETTIC, WPARAM(tick), 0));
        if (value != -1)
            input.innerTicks.push_back(TrackBarValuePosition(input, value));
    }
    const TrackBarMarks marks = LayOutTrackBarMarks(input);

    TBitmap image(width, height);
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, width, height}, look.GetSkinColor(SKIN2_FORMCOLOR));
        if (!vertical) {
            Rect band = channel;
            band.top += (channel.Height() - channelImage.Height()) / 2;
            band.bottom = band.top + channelImage.Height();
            DrawThreePartH(channelImage, canvas, band, look.GetSkinColor(SKIN2_TRANSCOLOR), MaskedDraw::Masked);
        } else {
            Rect band = channel;
            band.left += (channel.Width() - channelImage.Width()) / 2 + UprightChannelShift;
            band.right = band.left + channelImage.Width();
            Bitmap copy = channelImage;
            DrawThreePartV(copy, canvas, band, 0);
        }

        if (marks.selection) {
            const int middleX = (channel.left + channel.right) / 2, middleY = (channel.top + channel.bottom) / 2;
            const Color under = image.CoreBitmap().ColorAt(std::clamp(middleX, 0, width - 1),
                                                           std::clamp(middleY, 0, height - 1));
            canvas.FillRect(*marks.selection, ~under & ColorBits);
        }

        Bitmap slider;
        if (look.GetSkinBitmap(vertical ? SKIN2_TRACKBARVSLIDER : SKIN2_TRACKBARSLIDER, slider, 1, 1))
            StretchRectMasked(canvas, FromRECT(systemThumb), slider, Rect{0, 0, slider.Width(), slider.Height()},
                              look.GetSkinColor(SKIN2_TRANSCOLOR));

        const Color tickColor = look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
        for (const Rect& tick : marks.ticks)
            canvas.FillRect(tick, tickColor);
    }
    if (focused) {
        const RECT focus{marks.frame.left, marks.frame.top, marks.frame.right, marks.frame.bottom};
        DrawFocusRect(image.Canvas().Handle(), &focus);
    }
    DrawImageAt(image, POINT{0, 0});
}

} // namespace orvane::skin
