#include "skin/controls/TvelSkinWndRadioButton.h"

namespace orvane::skin {

TvelSkinWndRadioButton::TvelSkinWndRadioButton(HWND radioButton, TSkinControlHost& window)
    : TvelSkinWndCheckBox(radioButton, window, RadioButtonKind)
{
}

} // namespace orvane::skin
