#include "skin/controls/TvelSkinRadioButton.h"

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
    return RadioButtonImage;
}

int TvelSkinRadioButton::BoxFrame() const
{
    const HWND window = Handle();
    return RadioButtonFrame(window ? SendMessageW(window, BM_GETCHECK, 0, 0) : BST_UNCHECKED, IsEnabled());
}

} // namespace orvane::skin
