#include "framework/TCheckBox.h"

#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int DefaultCheckBoxWidth = 97;
constexpr int DefaultCheckBoxHeight = 17;

constexpr TPropertyInfo CheckBoxProperties[] = {
    PublishedValue<TCustomCheckBox, &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked>(
        L"Checked", TPropertyKind::Boolean),
    PublishedValue<TCustomCheckBox, &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment>(
        L"Alignment", TPropertyKind::Enumeration),
};

} // namespace

const TClassInfo TCustomCheckBox::ClassInfo{L"TCustomCheckBox", &TWinControl::ClassInfo, CheckBoxProperties};
const TClassInfo TCheckBox::ClassInfo{L"TCheckBox", &TCustomCheckBox::ClassInfo, {}};

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TWinControl(owner)
{
    SetParentColor(true);
    SetBounds(0, 0, DefaultCheckBoxWidth, DefaultCheckBoxHeight);
}

void TCustomCheckBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = L"BUTTON";
    params.Style |= WS_TABSTOP | (allowGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX);
    if (alignment == TAlignment::taLeftJustify)
        params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessageW(WindowHandle(), BM_SETCHECK, WPARAM(state), 0);
}

TCheckBoxState TCustomCheckBox::State() const
{
    if (HWND window = WindowHandle())
        return TCheckBoxState(SendMessageW(window, BM_GETCHECK, 0, 0));
    return state;
}

void TCustomCheckBox::SetState(TCheckBoxState value)
{
    state = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, BM_SETCHECK, WPARAM(value), 0);
}

void TCustomCheckBox::WndProc(TMessage& message)
{
    if (message.Msg == CN_CTLCOLORBTN || message.Msg == CN_CTLCOLORSTATIC) {
        message.Result = AnswerControlColor(HDC(message.WParam));
        return;
    }
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        state = State();
        Click();
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace orvane::framework
