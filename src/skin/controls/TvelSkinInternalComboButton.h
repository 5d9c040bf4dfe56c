#pragma once

#include "skin/controls/TvelSkinOverlayWindow.h"

#include <functional>

namespace orvane::skin {

class TSkinContext;

// A drop-down button laid into a control at its right edge, over the
// button the system draws: flat in the skin's control colours with a down
// arrow. Presses and releases on it go to the control at the same place.
class TvelSkinInternalComboButton : public TvelSkinOverlayWindow {
public:
    TvelSkinInternalComboButton(TSkinContext& skinContext, HWND control, std::function<bool()> enabled)
        : context(skinContext), target(control), isEnabled(std::move(enabled))
    {
    }

protected:
    void PaintTo(HDC dc) override;
    void MouseButton(UINT message, POINT client) override;

private:
    TSkinContext& context;
    HWND target;
    std::function<bool()> isEnabled;
};

} // namespace orvane::skin
