#include "framework/StartupMarkers.h"

#ifdef ORVANE_STARTUP_MARKERS

#include <windows.h>

#include <cstdio>

namespace orvane::framework {

void StartupMarker(const char* name)
{
    static LARGE_INTEGER frequency{};
    static LARGE_INTEGER first{};
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    if (frequency.QuadPart == 0) {
        QueryPerformanceFrequency(&frequency);
        first = now;
    }
    const double milliseconds = double(now.QuadPart - first.QuadPart) * 1e3 / double(frequency.QuadPart);
    char line[128];
    const int length = std::snprintf(line, sizeof line, "marker %s %.3f\n", name, milliseconds);
    // Unbuffered: the line must leave the process when the stamp is taken.
    DWORD written = 0;
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error && error != INVALID_HANDLE_VALUE && length > 0)
        WriteFile(error, line, DWORD(length), &written, nullptr);
}

void StartupMarkerOnce(const char* name, bool& written)
{
    if (written)
        return;
    written = true;
    StartupMarker(name);
}

} // namespace orvane::framework

#endif
