#include "skin/controls/TvelSkinCheckBox.h"

#include "core/raster/BitmapCopy.h"
#include "core/skincontrols/CheckBoxPlacement.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/PublishedProperties.h"
#include "framework/TBitmap.h"
#include "framework/TCheckBox.h"
#include "framework/TWinControl.h"
#include "skin/TvelSkinEngine.h"
#include "skin/controls/SkinPainting.h"

namespace orvane::skin {

using namespace framework;

TvelSkinCheckBox::TvelSkinCheckBox(TControl& control, TvelSkinWindow& window) : TvelSkinControlFramework(control, window)
{
}

void TvelSkinCheckBox::Init() { ownFontColor = Control().Font().Color(); }

void TvelSkinCheckBox::SkinChanged()
{
    TvelSkinEngine& engine = Engine();
    if (Skinning() && !engine.NoChangeButtonsFontColor())
        Control().Font().SetColor(TColor(engine.GetSkinColor(SKIN2_CONTROLFONTCOLOR)));
    else
        Control().Font().SetColor(ownFontColor);
}

void TvelSkinCheckBox::AfterMessage(TMessage& message)
{
    TvelSkinControlFramework::AfterMessage(message);
    // The system draws its own box again on these, outside its paint cycle.
    switch (message.Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_LBUTTONDBLCLK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Repaint();
        break;
    default:
        break;
    }
}

TvelSkinCheckBox::TBoxImage TvelSkinCheckBox::BoxImage() const
{
    return TBoxImage{SKIN2_CHECKBOX, 6, SKIN2_CHECKBOXTRANS};
}

int TvelSkinCheckBox::BoxFrame() const
{
    const HWND window = Handle();
    const LRESULT check = window ? SendMessageW(window, BM_GETCHECK, 0, 0) : BST_UNCHECKED;
    const int frame = check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 3;
    return IsEnabled() ? frame : frame + 3;
}

void TvelSkinCheckBox::Paint()
{
    TvelSkinEngine& engine = Engine();
    const TBoxImage box = BoxImage();
    const Bitmap frame = SkinFrame(engine, box.image, box.frames, BoxFrame());
    HWND window = GetHandle();
    if (frame.Empty() || !window)
        return;
    const RECT client = GetBounds();
    const auto alignment = GetIntegerProperty(Control(), L"Alignment");
    const bool leftJustified = alignment && TAlignment(*alignment) == TAlignment::taLeftJustify;
    const bool rightToLeft = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const CheckBoxPlacement place =
        PlaceCheckBox(frame.Width(), frame.Height(), client.right, client.bottom, leftJustified == rightToLeft);

    TBitmap image(place.boxWidth, place.boxHeight);
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, place.boxWidth, place.boxHeight}, ColorToRGB(Control().Color()));
        const Color transparent =
            engine.GetSkinFlag(box.transFlag) ? engine.GetSkinColor(SKIN2_TRANSCOLOR) : NoTransparentColor;
        CopyRectMasked(canvas, place.frameX, place.frameY, frame, Rect{0, 0, frame.Width(), frame.Height()},
                       transparent);
    }
    DrawImageAt(image, POINT{place.x, place.y});
}

} // namespace orvane::skin
