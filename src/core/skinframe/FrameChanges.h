#pragma once

#include "core/skinframe/FrameWindow.h"

namespace orvane {

// Whether two states of a window look the same in one part of the skinned
// frame, for the same skin. A composed band is kept, and only copied to the
// window again, while its window's state looks the same to it; the window
// region is kept likewise.

// The title band: its size, the buttons shown, the caption and its colour,
// the button under the pointer and whether it is pressed.
bool SameTitleBand(const FrameWindow& composed, const FrameWindow& now);

// The side strips and the bottom band: the window's size and the rows and
// gaps they leave to the title, the menu bar and the client area.
bool SameBorders(const FrameWindow& composed, const FrameWindow& now);

// The window region: the window's size, and the bands it is cut from as far
// as their size and images go. What the title shows (caption, buttons' states,
// activation) leaves it as it is.
bool SameRegion(const FrameWindow& built, const FrameWindow& now);

} // namespace orvane
