#include "WindowDpi.h"

#include "GdiOwners.h"

namespace orvane::framework {
namespace {

// The DPI functions came with Windows 8.1 (shcore) and Windows 10 (user32);
// they are looked up by name so that the program still starts without them.
struct TDpiFunctions {
    using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(HANDLE);
    using SetProcessDpiAwarenessFunction = HRESULT(WINAPI*)(int);
    using SetProcessDPIAwareFunction = BOOL(WINAPI*)();
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

    SetProcessDpiAwarenessContextFunction SetProcessDpiAwarenessContext = nullptr;
    SetProcessDpiAwarenessFunction SetProcessDpiAwareness = nullptr;
    SetProcessDPIAwareFunction SetProcessDPIAware = nullptr;
    GetDpiForWindowFunction GetDpiForWindow = nullptr;
    GetSystemMetricsForDpiFunction GetSystemMetricsForDpi = nullptr;
};

template <typename Function>
void LookUp(HMODULE module, const char* name, Function& function)
{
    if (module != nullptr)
        function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const TDpiFunctions& DpiFunctions()
{
    static const TDpiFunctions functions = [] {
        TDpiFunctions found;
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        LookUp(user32, "SetProcessDpiAwarenessContext", found.SetProcessDpiAwarenessContext);
        LookUp(user32, "SetProcessDPIAware", found.SetProcessDPIAware);
        LookUp(user32, "GetDpiForWindow", found.GetDpiForWindow);
        LookUp(user32, "GetSystemMetricsForDpi", found.GetSystemMetricsForDpi);
        // shcore stays loaded for the process: its function is called once.
        LookUp(LoadLibraryW(L"shcore.dll"), "SetProcessDpiAwareness", found.SetProcessDpiAwareness);
        return found;
    }();
    return functions;
}

// DPI_AWARENESS_CONTEXT values and PROCESS_DPI_AWARENESS, named here because
// older headers lack them.
const HANDLE PerMonitorAwareV2Context = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE PerMonitorAwareContext = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
constexpr int ProcessPerMonitorDpiAware = 2;

} // namespace

TDpiAwareness DeclareDpiAwareness()
{
    const TDpiFunctions& functions = DpiFunctions();
    if (functions.SetProcessDpiAwarenessContext != nullptr) {
        if (functions.SetProcessDpiAwarenessContext(PerMonitorAwareV2Context))
            return TDpiAwareness::PerMonitorV2;
        if (functions.SetProcessDpiAwarenessContext(PerMonitorAwareContext))
            return TDpiAwareness::PerMonitor;
        // Already declared by the manifest: the call fails with access denied.
        if (GetLastError() == ERROR_ACCESS_DENIED)
            return TDpiAwareness::PerMonitorV2;
    }
    if (functions.SetProcessDpiAwareness != nullptr) {
        const HRESULT result = functions.SetProcessDpiAwareness(ProcessPerMonitorDpiAware);
        if (SUCCEEDED(result) || result == E_ACCESSDENIED)
            return TDpiAwareness::PerMonitor;
    }
    if (functions.SetProcessDPIAware != nullptr && functions.SetProcessDPIAware())
        return TDpiAwareness::System;
    return TDpiAwareness::Unaware;
}

unsigned SystemDpi()
{
    const TClientDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Handle(), LOGPIXELSY);
    return dpi > 0 ? static_cast<unsigned>(dpi) : DefaultDpi;
}

unsigned WindowDpi(HWND window)
{
    const TDpiFunctions& functions = DpiFunctions();
    if (window != nullptr && functions.GetDpiForWindow != nullptr) {
        const UINT dpi = functions.GetDpiForWindow(window);
        if (dpi != 0)
            return dpi;
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, unsigned dpi)
{
    const TDpiFunctions& functions = DpiFunctions();
    if (functions.GetSystemMetricsForDpi != nullptr)
        return functions.GetSystemMetricsForDpi(index, dpi);
    const unsigned systemDpi = SystemDpi();
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi));
}

} // namespace orvane::framework
