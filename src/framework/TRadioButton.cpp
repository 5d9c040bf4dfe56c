#include "framework/TRadioButton.h"

#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int DefaultRadioWidth = 113;
constexpr int DefaultRadioHeight = 17;

constexpr TPropertyInfo RadioProperties[] = {
    PublishedValue<TRadioButton, &TRadioButton::Checked, &TRadioButton::SetChecked>(L"Checked",
                                                                                     TPropertyKind::Boolean),
    PublishedValue<TRadioButton, &TRadioButton::Alignment, &TRadioButton::SetAlignment>(
        L"Alignment", TPropertyKind::Enumeration),
};

} // namespace

const TClassInfo TRadioButton::ClassInfo{L"TRadioButton", &TWinControl::ClassInfo, RadioProperties};

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner)
{
    SetParentColor(true);
    SetBounds(0, 0, DefaultRadioWidth, DefaultRadioHeight);
}

void TRadioButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = L"BUTTON";
    params.Style |= BS_AUTORADIOBUTTON;
    if (alignment == TAlignment::taLeftJustify)
        params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessageW(WindowHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TRadioButton::Checked() const
{
    if (HWND window = WindowHandle())
        return SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked;
}

void TRadioButton::SetChecked(bool value)
{
    checked = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& message)
{
    if (message.Msg == CN_CTLCOLORBTN || message.Msg == CN_CTLCOLORSTATIC) {
        message.Result = AnswerControlColor(HDC(message.WParam));
        return;
    }
    if (message.Msg == CN_COMMAND) {
        const WORD code = HIWORD(message.WParam);
        if (code == BN_CLICKED) {
            checked = Checked();
            Click();
            return;
        }
        if (code == BN_DOUBLECLICKED) {
            if (OnDblClick)
                OnDblClick(this);
            return;
        }
    }
    TWinControl::WndProc(message);
}

} // namespace orvane::framework
