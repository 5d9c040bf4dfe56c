#include "skin/controls/TvelSkinWndCheckBox.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/SkinPainting.h"

#include <algorithm>

namespace orvane::skin {

using namespace framework;

namespace {

// The box image is at least this wide, so that it covers the system's box.
constexpr int LeastBoxWidth = 14;

} // namespace

TvelSkinWndCheckBox::TvelSkinWndCheckBox(HWND checkBox, TSkinControlHost& window) : TvelSkinControlWnd(checkBox, window)
{
}

void TvelSkinWndCheckBox::Init() { style = GetWindowLongW(GetHandle(), GWL_STYLE); }

void TvelSkinWndCheckBox::AfterMessage(TMessage& message)
{
    TvelSkinControlWnd::AfterMessage(message);
    if (SystemRedrawsBoxOn(message.Msg))
        Repaint();
}

TvelSkinWndCheckBox::TBoxImage TvelSkinWndCheckBox::BoxImage() const
{
    return CheckBoxImage;
}

int TvelSkinWndCheckBox::BoxFrame() const
{
    return CheckBoxFrame(SendMessageW(Handle(), BM_GETCHECK, 0, 0), IsEnabled());
}

void TvelSkinWndCheckBox::Paint()
{
    const TSkinLook& look = Look();
    const TBoxImage box = BoxImage();
    const Bitmap frame = SkinFrame(look, box.image, box.frames, BoxFrame());
    if (frame.Empty())
        return;
    const RECT bounds = GetBounds();
    TBitmap image(std::max(frame.Width(), LeastBoxWidth), std::max(frame.Height(), int(bounds.bottom)));
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, image.Width(), image.Height()}, look.GetSkinColor(SKIN2_FORMCOLOR));
        CopyBoxFrame(look, box, frame, canvas, 0, 0);
    }
    DrawImageAt(image, POINT{0, 0});
}

} // namespace orvane::skin
