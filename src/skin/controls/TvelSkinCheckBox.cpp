#include "skin/controls/TvelSkinCheckBox.h"

#include "core/skincontrols/CheckBoxPlacement.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/PublishedProperties.h"
#include "framework/TBitmap.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

TvelSkinCheckBox::TvelSkinCheckBox(TControl& control, TSkinControlHost& window)
    : TvelSkinCheckBox(control, window, CheckBoxKind)
{
}

TvelSkinCheckBox::TvelSkinCheckBox(TControl& control, TSkinControlHost& window, const TSkinBoxKind& boxKind)
    : TvelSkinControlFramework(control, window), kind(boxKind)
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

void TvelSkinCheckBox::Paint()
{
    const TSkinLook& look = Look();
    const Bitmap frame = SkinBoxFrame(look, kind, Handle(), IsEnabled());
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
    ComposeSkinBox(look, kind, frame, image, ColorToRGB(Control().Color()), place.frameX, place.frameY);
    DrawImageAt(image, POINT{place.x, place.y});
}

} // namespace orvane::skin
