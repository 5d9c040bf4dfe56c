#pragma once

#include "core/raster/Canvas.h"
#include "core/skinmodel/SkinKeys.h"

#include <windows.h>

namespace orvane::framework {
class TBitmap;
}

namespace orvane::skin {

class TSkinLook;

// The box of a check box or radio button, drawn from the skin over the box
// the system drew, for the program's forms and for system dialogs alike.
// Where the box goes and what fills around its frame are the branch's own.

// The frame (from 1) of a check box's image for its check state (as
// BM_GETCHECK answers): checked, indeterminate, unchecked, then the same
// three disabled.
int CheckBoxFrame(LRESULT check, bool enabled);
// The frame (from 1) of a radio button's image: checked, unchecked, then the
// same two disabled.
int RadioButtonFrame(LRESULT check, bool enabled);

// A kind of box: the skin image its frames come from, and which frame shows
// a state.
struct TSkinBoxKind {
    int image;     // skin image
    int frames;    // frames in it
    int transFlag; // skin flag: the image has a transparent colour
    int (*frameFor)(LRESULT check, bool enabled);
};

inline constexpr TSkinBoxKind CheckBoxKind{SKIN2_CHECKBOX, 6, SKIN2_CHECKBOXTRANS, CheckBoxFrame};
inline constexpr TSkinBoxKind RadioButtonKind{SKIN2_RADIOBUTTON, 4, SKIN2_RADIOBUTTONTRANS, RadioButtonFrame};

// Whether the system draws a button's own box again on the message, outside
// its paint cycle, so that the skin's box must be drawn over it again.
bool SystemRedrawsBoxOn(UINT message);

// The frame of the kind's image for the button window's check state
// (unchecked while the window does not exist); empty when the skin lacks the
// image.
Bitmap SkinBoxFrame(const TSkinLook& look, const TSkinBoxKind& kind, HWND button, bool enabled);

// The whole box image filled with `fill`, and the frame copied in at (x, y),
// leaving out the skin's transparent colour where the skin says the kind's
// image has one.
void ComposeSkinBox(const TSkinLook& look, const TSkinBoxKind& kind, const Bitmap& frame, framework::TBitmap& box,
                    Color fill, int x, int y);

} // namespace orvane::skin
