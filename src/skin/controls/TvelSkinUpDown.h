#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// An up-down control: the system draws its arrows; this control skin notes
// which half is pressed and frames the halves in the skin's tool-bar
// colours, the pressed one in its down colour.
class TvelSkinUpDown : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;

    // -1 the first half (up, or left), +1 the second, 0 none.
    int PressedHalf() const { return pressedHalf; }

private:
    int pressedHalf = 0;
};

} // namespace orvane::skin
