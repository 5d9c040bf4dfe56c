#include "skin/controls/TvelSkinCheckBox.h"

#include "core/skincontrols/CheckBoxPlacement.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/PublishedProperties.h"
#include "framework/TBitmap.h"
#include "framework/TCheckBox.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/SkinPainting.h"

namespace orvane::skin {

using namespace framework;

TvelSkinCheckBox::TvelSkinCheckBox(TControl& control, TSkinControlHost& window) : TvelSkinControlFramework(control, window)
{
}

void TvelSkinCheckBox::Init() { ownFontColor = Control().Font().Color(); }

void TvelSkinCheckBox::SkinChanged()
{
    const TSkinLook& look = Look();
    if (Skinning() && !Context().NoChangeButtonsFontColor())
        Control().Font().SetColor(TColor(look.GetSkinColor(SKIN2_CONTROLFONTCOLOR)));
    else
        Control().Font().SetColor(ownFontColor);
}

void TvelSkinCheckBox::AfterMessage(TMessage& message)
{
    TvelSkinControlFramework::AfterMessage(message);
    if (SystemRedrawsBoxOn(message.Msg))
        Repaint();
}

TvelSkinCheckBox::TBoxImage TvelSkinCheckBox::BoxImage() const
{
    return CheckBoxImage;
}

int TvelSkinCheckBox::BoxFrame() const
{
    const HWND window = Handle();
    return CheckBoxFrame(window ? SendMessageW(window, BM_GETCHECK, 0, 0) : BST_UNCHECKED, IsEnabled());
}

void TvelSkinCheckBox::Paint()
{
    const TSkinLook& look = Look();
    const TBoxImage box = BoxImage();
    const Bitmap frame = SkinFrame(look, box.image, box.frames, BoxFrame());
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
        CopyBoxFrame(look, box, frame, canvas, place.frameX, place.frameY);
    }
    DrawImageAt(image, POINT{place.x, place.y});
}

} // namespace orvane::skin
