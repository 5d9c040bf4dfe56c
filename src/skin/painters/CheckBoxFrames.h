#pragma once

#include "core/raster/Canvas.h"
#include "core/skinmodel/SkinKeys.h"

#include <windows.h>

namespace orvane::skin {

class TSkinLook;

// What the skins of check boxes and radio buttons, of the program's forms and
// of system dialogs alike, share: the skin image the box comes from, its frame
// for the button's state, and how it is laid over the system's own box.

// The skin image a box takes its frames from.
struct TSkinBoxImage {
    int image;     // skin image
    int frames;    // frames in it
    int transFlag; // skin flag: the image has a transparent colour
};

inline constexpr TSkinBoxImage CheckBoxImage{SKIN2_CHECKBOX, 6, SKIN2_CHECKBOXTRANS};
inline constexpr TSkinBoxImage RadioButtonImage{SKIN2_RADIOBUTTON, 4, SKIN2_RADIOBUTTONTRANS};

// The frame (from 1) of a check box's image for its check state (as
// BM_GETCHECK answers): checked, indeterminate, unchecked, then the same
// three disabled.
int CheckBoxFrame(LRESULT check, bool enabled);
// The frame (from 1) of a radio button's image: checked, unchecked, then the
// same two disabled.
int RadioButtonFrame(LRESULT check, bool enabled);

// Whether the system draws a button's own box again on the message, outside
// its paint cycle, so that the skin's box must be drawn over it again.
bool SystemRedrawsBoxOn(UINT message);

// Copies a frame of the box's image to the canvas at (x, y), leaving out the
// skin's transparent colour where the skin says the image has one.
void CopyBoxFrame(const TSkinLook& look, const TSkinBoxImage& box, const Bitmap& frame, Canvas& canvas, int x,
                  int y);

} // namespace orvane::skin
