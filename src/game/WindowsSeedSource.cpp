#include "game/WindowsSeedSource.h"

#include <windows.h>

namespace orvane::game {

std::uint32_t WindowsSeedSource::ReadSeed()
{
    LARGE_INTEGER counter{};
    if (QueryPerformanceCounter(&counter))
        return static_cast<std::uint32_t>(counter.QuadPart);
    return GetTickCount();
}

} // namespace orvane::game
