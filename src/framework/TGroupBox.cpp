#include "framework/TGroupBox.h"

namespace orvane::framework {

namespace {

constexpr int DefaultGroupWidth = 185;
constexpr int DefaultGroupHeight = 105;

} // namespace

const TClassInfo TCustomGroupBox::ClassInfo{L"TCustomGroupBox", &TWinControl::ClassInfo, {}};
const TClassInfo TGroupBox::ClassInfo{L"TGroupBox", &TCustomGroupBox::ClassInfo, {}};

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultGroupWidth, DefaultGroupHeight);
}

void TCustomGroupBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = L"BUTTON";
    params.Style |= BS_GROUPBOX;
}

void TCustomGroupBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
        message.Result = AnswerControlColor(HDC(message.WParam));
        return;
    case WM_ERASEBKGND: {
        // The system's group box paints only its frame and caption.
        RECT client{};
        GetClientRect(WindowHandle(), &client);
        FillRect(HDC(message.WParam), &client, ColorBrush());
        message.Result = 1;
        return;
    }
    default:
        TWinControl::WndProc(message);
    }
}

} // namespace orvane::framework
