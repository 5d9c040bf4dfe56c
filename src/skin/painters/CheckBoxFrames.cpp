#include "skin/painters/CheckBoxFrames.h"

#include "core/raster/BitmapCopy.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

int CheckBoxFrame(LRESULT check, bool enabled)
{
    const int frame = check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 3;
    return enabled ? frame : frame + 3;
}

int RadioButtonFrame(LRESULT check, bool enabled)
{
    const int frame = check == BST_CHECKED ? 1 : 2;
    return enabled ? frame : frame + 2;
}

bool SystemRedrawsBoxOn(UINT message)
{
    switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_LBUTTONDBLCLK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return true;
    default:
        return false;
    }
}

void CopyBoxFrame(const TSkinLook& look, const TSkinBoxImage& box, const Bitmap& frame, Canvas& canvas, int x,
                  int y)
{
    const Color transparent =
        look.GetSkinFlag(box.transFlag) ? look.GetSkinColor(SKIN2_TRANSCOLOR) : NoTransparentColor;
    CopyRectMasked(canvas, x, y, frame, Rect{0, 0, frame.Width(), frame.Height()}, transparent);
}

} // namespace orvane::skin
