#pragma once

#include <windows.h>

#include "core/base/DpiScale.h"

namespace orvane::framework {

// Declares the process aware of each monitor's DPI (per-monitor v2 where the
// system has it, else per-monitor, else system-aware), so that the system
// does not stretch its windows as bitmaps. The manifest declares the same;
// this covers systems that ignore the manifest's entry. Returns the level
// reached, for the start-up log.
enum class TDpiAwareness { Unaware, System, PerMonitor, PerMonitorV2 };
TDpiAwareness DeclareDpiAwareness();

// The DPI `window` is drawn at: its monitor's where the system tells each
// window's DPI, else the system's. A null window gives the system's DPI.
unsigned WindowDpi(HWND window);

// The DPI of the primary screen, as fonts and the system metrics use it.
unsigned SystemDpi();

// A system metric (SM_CXVSCROLL, ...) at `dpi`, from GetSystemMetricsForDpi
// where the system has it, else the system's value scaled from its own DPI.
int SystemMetricForDpi(int index, unsigned dpi);

// `pixels` at 96 DPI, at `window`'s DPI.
inline int ScaleForWindow(HWND window, int pixels) {
    return ScaleForDpi(pixels, WindowDpi(window));
}

} // namespace orvane::framework
