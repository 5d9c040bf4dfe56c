#include "skin/controls/TvelSkinWndRadioButton.h"

namespace orvane::skin {

TvelSkinWndCheckBox::TBoxImage TvelSkinWndRadioButton::BoxImage() const
{
    return RadioButtonImage;
}

int TvelSkinWndRadioButton::BoxFrame() const
{
    return RadioButtonFrame(SendMessageW(Handle(), BM_GETCHECK, 0, 0), IsEnabled());
}

} // namespace orvane::skin
