#include "skin/painters/ButtonPainting.h"

#include "core/raster/NineSlice.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/SkinPainting.h"

namespace orvane::skin {

namespace {

constexpr int ButtonFrames = 3;
constexpr int NormalFrame = 1, HotFrame = 2, PressedFrame = 3;
constexpr int FocusInset = 5;

} // namespace

bool DrawButtonFrame(const TSkinLook& look, Canvas& canvas, const Rect& rect, int frame)
{
    const Bitmap image = SkinFrame(look, SKIN2_BUTTON, ButtonFrames, frame);
    if (image.Empty())
        return false;
    DrawNineSlice(image, canvas, rect, look.GetSkinColor(SKIN2_TRANSCOLOR),
                  look.GetSkinFlag(SKIN2_BUTTONTRANS) ? CornerDrawing::Transparent : CornerDrawing::Opaque);
    return true;
}

void PaintButtonFace(const TSkinLook& look, framework::TBitmap& image, Color background,
                     const TButtonFaceState& state)
{
    const int width = image.Width(), height = image.Height();
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, width, height}, background);
        const int frame = state.pressed ? PressedFrame : state.hot ? HotFrame : NormalFrame;
        DrawButtonFrame(look, canvas, Rect{0, 0, width, height}, frame);
    }
    if (!state.focused)
        return;
    RECT focus{FocusInset, FocusInset, width - FocusInset, height - FocusInset};
    if (state.pressed)
        OffsetRect(&focus, 1, 1);
    DrawFocusRect(image.Canvas().Handle(), &focus);
}

bool ButtonFaceChangesOn(UINT message) { return message == WM_SETFOCUS; }

} // namespace orvane::skin
