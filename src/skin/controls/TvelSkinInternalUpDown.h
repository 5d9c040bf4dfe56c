#pragma once

#include "skin/controls/TvelSkinOverlayWindow.h"

#include <functional>

namespace orvane::skin {

class TvelSkinEngine;

// A pair of arrow buttons laid into a date-time picker at its right edge,
// in place of the picker's own up-down while that is hidden: flat in the
// skin's control colours. Presses and releases on it go to the picker's own
// up-down at the same place, so that the picker steps its field.
class TvelSkinInternalUpDown : public TvelSkinOverlayWindow {
public:
    TvelSkinInternalUpDown(TvelSkinEngine& skinEngine, std::function<HWND()> pickerUpDown,
                           std::function<bool()> enabled)
        : engine(skinEngine), upDown(std::move(pickerUpDown)), isEnabled(std::move(enabled))
    {
    }

protected:
    void PaintTo(HDC dc) override;
    void MouseButton(UINT message, POINT client) override;

private:
    TvelSkinEngine& engine;
    std::function<HWND()> upDown;
    std::function<bool()> isEnabled;
};

} // namespace orvane::skin
