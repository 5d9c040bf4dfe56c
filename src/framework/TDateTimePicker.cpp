#include "framework/TDateTimePicker.h"

#include "framework/Messages.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultPickerWidth = 186;
constexpr int DefaultPickerHeight = 21;
// Posted to the picker when its calendar has lost the activation: the
// calendar closes once the click that took it away has been handled, so that
// a click on the drop-down button still closes it rather than opening it
// again.
constexpr UINT CM_CLOSECALENDAR = CM_BASE + 0x100;

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

void TDateTimePicker::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(message.LParam)->code == DTN_DROPDOWN)
            WatchCalendar();
        break;
    case CM_CLOSECALENDAR:
        CloseCalendar(TCalendarFocus::Keep);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TDateTimePicker::WatchCalendar()
{
    // Some versions of the system make a new calendar for every drop-down,
    // others keep one for the picker's life.
    HWND shown = reinterpret_cast<HWND>(SendMessageW(WindowHandle(), DTM_GETMONTHCAL, 0, 0));
    if (!shown || (shown == calendar && calendarSubclass.Active()))
        return;
    calendar = shown;
    HWND picker = WindowHandle();
    calendarSubclass = TWindowSubclass(calendar, [this, picker](TMessage& message, const TMessageLayers::TNext& next) {
        if (message.Msg == WM_KEYDOWN && message.WParam == VK_ESCAPE) {
            CloseCalendar(TCalendarFocus::BackToPicker);
            return;
        }
        if (message.Msg == WM_ACTIVATE && LOWORD(message.WParam) == WA_INACTIVE)
            PostMessageW(picker, CM_CLOSECALENDAR, 0, 0);
        next(message);
    });
}

void TDateTimePicker::CloseCalendar(TCalendarFocus focus)
{
    if (!calendar || !IsWindow(calendar) || !IsWindowVisible(calendar))
        return;
    // Activated again before the request came: it stays open.
    if (focus == TCalendarFocus::Keep && GetActiveWindow() == calendar)
        return;
    HWND picker = WindowHandle();
    SendMessageW(picker, DTM_CLOSEMONTHCAL, 0, 0);
    if (!IsWindow(calendar) || !IsWindowVisible(calendar))
        return;
    // A picker without that request closes its calendar when it takes the
    // focus back from it.
    if (focus == TCalendarFocus::BackToPicker) {
        ::SetFocus(picker);
        if (!IsWindowVisible(calendar))
            return;
    }
    ShowWindow(calendar, SW_HIDE);
}

} // namespace orvane::framework
