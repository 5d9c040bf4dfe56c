#include "skin/controls/TvelSkinRadioButton.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TRadioButton.h"

namespace orvane::skin {

using namespace framework;

bool TvelSkinRadioButton::BeforeMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return false;
    case WM_LBUTTONDBLCLK:
        if (auto* radio = As<TRadioButton>(&Control()); radio && radio->OnDblClick)
            radio->OnDblClick(radio);
        return false;
    default:
        return true;
    }
}

TvelSkinCheckBox::TBoxImage TvelSkinRadioButton::BoxImage() const
{
    return TBoxImage{SKIN2_RADIOBUTTON, 4, SKIN2_RADIOBUTTONTRANS};
}

int TvelSkinRadioButton::BoxFrame() const
{
    const HWND window = Handle();
    const int frame = window && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 2;
    return IsEnabled() ? frame : frame + 2;
}

} // namespace orvane::skin
