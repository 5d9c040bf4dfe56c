#include "framework/TDateTimePicker.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultPickerWidth = 186;
constexpr int DefaultPickerHeight = 21;

} // namespace

const TClassInfo TDateTimePicker::ClassInfo{L"TDateTimePicker", &TWinControl::ClassInfo, {}};

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner)
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    SetColor(clWindow);
    SetBounds(0, 0, DefaultPickerWidth, DefaultPickerHeight);
}

void TDateTimePicker::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = DATETIMEPICK_CLASSW;
    params.Style |= WS_TABSTOP;
    if (kind == TDateTimeKind::dtkTime)
        params.Style |= DTS_TIMEFORMAT;
    else if (dateMode == TDTDateMode::dmUpDown)
        params.Style |= DTS_UPDOWN;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

} // namespace orvane::framework
