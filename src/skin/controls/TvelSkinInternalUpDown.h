#pragma once

#include "skin/controls/TvelSkinOverlayWindow.h"

#include <functional>

namespace orvane::skin {

class TSkinContext;

// A pair of arrow buttons laid into a date-time picker at its right edge,
// in place of the picker's own up-down while that is hidden: flat in the
// skin's control colours. Presses and releases on it go to the picker's own
// up-down at the same place, so that the picker steps its field.
class TvelSkinInternalUpDown : public TvelSkinOverlayWindow {
public:
    TvelSkinInternalUpDown(TSkinContext& skinContext, std::function<HWND()> pickerUpDown,
                           std::function<bool()> enabled)
        : context(skinContext), upDown(std::move(pickerUpDown)), isEnabled(std::move(enabled))
    {
    }

protected:
    void PaintTo(HDC dc) override;
    void MouseButton(UINT message, POINT client) override;

private:
    TSkinContext& context;
    std::function<HWND()> upDown;
    std::function<bool()> isEnabled;
};

} // namespace orvane::skin
