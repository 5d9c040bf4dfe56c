#include "framework/TButton.h"

#include "framework/PublishedProperties.h"
#include "framework/TForm.h"

namespace orvane::framework {

namespace {

constexpr int DefaultButtonWidth = 75;
constexpr int DefaultButtonHeight = 25;

constexpr TPropertyInfo ButtonProperties[] = {
    PublishedValue<TButton, &TButton::ModalResult, &TButton::SetModalResult>(L"ModalResult", TPropertyKind::Integer),
    PublishedValue<TButton, &TButton::NumGlyphs, &TButton::SetNumGlyphs>(L"NumGlyphs", TPropertyKind::Integer),
    PublishedValue<TButton, &TButton::ImageIndex, &TButton::SetImageIndex>(L"ImageIndex", TPropertyKind::Integer),
    PublishedValue<TButton, &TButton::Margin, &TButton::SetMargin>(L"Margin", TPropertyKind::Integer),
    PublishedValue<TButton, &TButton::Spacing, &TButton::SetSpacing>(L"Spacing", TPropertyKind::Integer),
    PublishedValue<TButton, &TButton::WordWrap, &TButton::SetWordWrap>(L"WordWrap", TPropertyKind::Boolean),
};

} // namespace

const TClassInfo TButton::ClassInfo{L"TButton", &TWinControl::ClassInfo, ButtonProperties};

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultButtonWidth, DefaultButtonHeight);
}

TButton::~TButton() = default;

void TButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = L"BUTTON";
    params.Style |= WS_TABSTOP | BS_PUSHBUTTON;
    if (wordWrap)
        params.Style |= BS_MULTILINE;
}

void TButton::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::WndProc(message);
}

void TButton::Click()
{
    if (modalResult != 0)
        if (TCustomForm* form = GetParentForm(*this))
            form->SetModalResult(modalResult);
    TWinControl::Click();
}

TCustomForm* GetParentForm(const TControl& control)
{
    for (TWinControl* parent = control.Parent(); parent; parent = parent->Parent())
        if (auto* form = As<TCustomForm>(parent))
            return form;
    return nullptr;
}

} // namespace orvane::framework
