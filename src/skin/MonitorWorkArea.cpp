#include "skin/MonitorWorkArea.h"

#include "framework/TApplication.h"

namespace orvane::skin {

RECT GetMonitorWorkArea(HWND window)
{
    RECT area{};
    const bool hasMainForm = framework::Application && framework::Application->MainForm();
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (hasMainForm && GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
        area = info.rcWork;
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    --area.bottom;
    return area;
}

} // namespace orvane::skin
