#include "skin/controls/TvelSkinWndRadioButton.h"

#include "core/skinmodel/SkinKeys.h"

namespace orvane::skin {

TvelSkinWndCheckBox::TBoxImage TvelSkinWndRadioButton::BoxImage() const
{
    return TBoxImage{SKIN2_RADIOBUTTON, 4, SKIN2_RADIOBUTTONTRANS};
}

int TvelSkinWndRadioButton::BoxFrame() const
{
    const int frame = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 2;
    return IsEnabled() ? frame : frame + 2;
}

} // namespace orvane::skin
