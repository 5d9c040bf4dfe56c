#include "core/skincontrols/PushButtonClicks.h"

namespace orvane {

void PushButtonClicks::Press(bool windowActive)
{
    pressArmed = windowActive && !activatingPress;
    activatingPress = false;
}

bool PushButtonClicks::Release()
{
    const bool armed = pressArmed;
    pressArmed = false;
    return armed;
}

bool PushButtonClicks::DoubleClick()
{
    pressArmed = false;
    return true;
}

bool PushButtonClicks::KeyUp(bool space, bool ready)
{
    const bool armed = keyArmed;
    keyArmed = false;
    return space && armed && ready;
}

void PushButtonClicks::Reset()
{
    pressArmed = false;
    keyArmed = false;
    activatingPress = false;
}

} // namespace orvane
