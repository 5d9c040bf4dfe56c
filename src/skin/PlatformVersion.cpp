#include "skin/PlatformVersion.h"

#include <windows.h>

namespace orvane::skin {

namespace {

struct TPlatformFlags {
    bool win9x = false;
    bool win95 = false;
    bool winXP = false;
    bool vista = false;
};

const TPlatformFlags& Flags()
{
    static const TPlatformFlags flags = [] {
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        GetVersionExW(&version);
#pragma GCC diagnostic pop
        const bool nt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
        const bool nine = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
        TPlatformFlags made;
        made.win9x = nine;
        made.win95 = nine && version.dwMajorVersion == 4 && version.dwMinorVersion == 0;
        made.winXP = nt && version.dwMajorVersion > 4 && version.dwMinorVersion != 0;
        made.vista = nt && version.dwMajorVersion == 6 && version.dwMinorVersion == 0;
        return made;
    }();
    return flags;
}

} // namespace

bool IsWin9x() { return Flags().win9x; }
bool IsWin95() { return Flags().win95; }
bool IsWinXP() { return Flags().winXP; }
bool IsVista() { return Flags().vista; }

} // namespace orvane::skin
