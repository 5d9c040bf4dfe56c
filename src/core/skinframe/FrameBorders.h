#pragma once

#include "core/raster/Canvas.h"
#include "core/raster/Rect.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinframe/FrameWindow.h"

namespace orvane {

class TvelSkinReader;

// Where the side borders begin: 0 for a maximized MDI child (it paints no
// title), T for every other window.
int BorderTop(const FrameWindow& window);

// Whether the window shows side and bottom borders now (HasBorder and not minimized).
bool ShowsBorders(const FrameWindow& window);

// Composes the bottom border into a canvas of W x height(SKIN2_FORMBOTTOMBORDER1)
// (three sections, or a three-part drawing of FORMBOTTOMBORDER1).
void ComposeBottomBand(const TvelSkinReader& skin, const FrameWindow& window, Canvas& band);

enum class FrameSide { Left, Right };

// The rectangle of the window that one side strip covers: from BorderTop to
// H - bh (no higher than that when the window is lower than title and
// bottom border together), as wide as max(border width, mdiSideGap).
Rect SideStripRect(const FrameMetrics& metrics, const FrameWindow& window, FrameSide side);

// Composes one side strip into a canvas the size of SideStripRect, whose
// pixel (0, 0) is that rectangle's top-left corner: the stretched border
// image, and where the border is narrower than mdiSideGap the form-colour gap
// with the menu-bar strip beside a skinned menu bar (image, solid colour or
// gradient) and the two lines under it when a tool bar sits under the menu.
// Pixels that none of these cover (the gap beside the rows of the title band
// below T) keep what the canvas held, as the window keeps the title band there.
void ComposeSideStrip(const TvelSkinReader& skin, const FrameMetrics& metrics, const FrameWindow& window,
                      FrameSide side, Canvas& strip);

// The form-colour gap above the bottom border when it is lower than
// mdiBottomGap; empty otherwise.
Rect BottomGapRect(const FrameMetrics& metrics, const FrameWindow& window);

} // namespace orvane
