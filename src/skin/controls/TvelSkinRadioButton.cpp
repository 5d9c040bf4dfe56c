#include "skin/controls/TvelSkinRadioButton.h"

#include "framework/TRadioButton.h"

namespace orvane::skin {

using namespace framework;

TvelSkinRadioButton::TvelSkinRadioButton(TControl& control, TSkinControlHost& window)
    : TvelSkinCheckBox(control, window, RadioButtonKind)
{
}

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

} // namespace orvane::skin
