#include "skin/controls/TvelSkinWndCheckBox.h"

#include "core/raster/BitmapCopy.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "skin/TvelSkinEngine.h"
#include "skin/controls/SkinPainting.h"

#include <algorithm>

namespace orvane::skin {

using namespace framework;

namespace {

// The box image is at least this wide, so that it covers the system's box.
constexpr int LeastBoxWidth = 14;

} // namespace

TvelSkinWndCheckBox::TvelSkinWndCheckBox(HWND checkBox, TvelSkinWindow& window) : TvelSkinControlWnd(checkBox, window)
{
}

void TvelSkinWndCheckBox::Init() { style = GetWindowLongW(GetHandle(), GWL_STYLE); }

void TvelSkinWndCheckBox::AfterMessage(TMessage& message)
{
    TvelSkinControlWnd::AfterMessage(message);
    // The system draws its own box again on these, outside its paint cycle.
    if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == BM_SETCHECK || message.Msg == WM_SETFOCUS ||
        message.Msg == WM_KILLFOCUS || message.Msg == BM_SETSTATE)
        Repaint();
}

TvelSkinWndCheckBox::TBoxImage TvelSkinWndCheckBox::BoxImage() const
{
    return TBoxImage{SKIN2_CHECKBOX, 6, SKIN2_CHECKBOXTRANS};
}

int TvelSkinWndCheckBox::BoxFrame() const
{
    const LRESULT check = SendMessageW(Handle(), BM_GETCHECK, 0, 0);
    const int frame = check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 3;
    return IsEnabled() ? frame : frame + 3;
}

void TvelSkinWndCheckBox::Paint()
{
    TvelSkinEngine& engine = Engine();
    const TBoxImage box = BoxImage();
    const Bitmap frame = SkinFrame(engine, box.image, box.frames, BoxFrame());
    if (frame.Empty())
        return;
    const RECT bounds = GetBounds();
    TBitmap image(std::max(frame.Width(), LeastBoxWidth), std::max(frame.Height(), int(bounds.bottom)));
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, image.Width(), image.Height()}, engine.GetSkinColor(SKIN2_FORMCOLOR));
        const Color transparent =
            engine.GetSkinFlag(box.transFlag) ? engine.GetSkinColor(SKIN2_TRANSCOLOR) : NoTransparentColor;
        CopyRectMasked(canvas, 0, 0, frame, Rect{0, 0, frame.Width(), frame.Height()}, transparent);
    }
    DrawImageAt(image, POINT{0, 0});
}

} // namespace orvane::skin
