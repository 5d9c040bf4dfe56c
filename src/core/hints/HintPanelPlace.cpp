#include "core/hints/HintPanelPlace.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

// The rectangle moved into the work area as far as it fits.
Rect Clamped(Rect place, const Rect& area)
{
    const int width = place.Width();
    const int height = place.Height();
    const int left = std::max(area.left, std::min(place.left, area.right - width));
    const int top = std::max(area.top, std::min(place.top, area.bottom - height));
    return RectOfSize(left, top, width, height);
}

bool Inside(const Rect& place, const Rect& area)
{
    return place.left >= area.left && place.top >= area.top && place.right <= area.right &&
           place.bottom <= area.bottom;
}

long long Area(const Rect& r) { return r.Empty() ? 0 : (long long)r.Width() * r.Height(); }

long long Covered(const Rect& place, const std::vector<Rect>& avoid)
{
    long long covered = 0;
    for (const Rect& cell : avoid)
        covered += Area(Intersect(place, cell));
    return covered;
}

} // namespace

Rect HintPanelPlace(const Rect& workArea, const Rect& mainWindow, int width, int height,
                    const std::vector<Rect>& avoid)
{
    const Rect beside[] = {
        RectOfSize(mainWindow.right + HintPanelGap, mainWindow.top, width, height),
        RectOfSize(mainWindow.left - HintPanelGap - width, mainWindow.top, width, height),
        RectOfSize(mainWindow.left, mainWindow.bottom + HintPanelGap, width, height),
        RectOfSize(mainWindow.left, mainWindow.top - HintPanelGap - height, width, height),
    };
    for (const Rect& wanted : beside) {
        const Rect place = Clamped(wanted, workArea);
        if (Inside(place, workArea) && Intersect(place, mainWindow).Empty())
            return place;
    }
    const Rect over[] = {
        RectOfSize(mainWindow.right - width, mainWindow.top, width, height),
        RectOfSize(mainWindow.left, mainWindow.top, width, height),
        RectOfSize(mainWindow.right - width, mainWindow.bottom - height, width, height),
        RectOfSize(mainWindow.left, mainWindow.bottom - height, width, height),
        RectOfSize(workArea.right - width, workArea.top, width, height),
        RectOfSize(workArea.left, workArea.top, width, height),
        RectOfSize(workArea.right - width, workArea.bottom - height, width, height),
        RectOfSize(workArea.left, workArea.bottom - height, width, height),
    };
    Rect best = Clamped(over[0], workArea);
    long long least = std::numeric_limits<long long>::max();
    for (const Rect& wanted : over) {
        const Rect place = Clamped(wanted, workArea);
        const long long covered = Covered(place, avoid);
        if (covered < least) {
            least = covered;
            best = place;
        }
    }
    return best;
}

} // namespace orvane
