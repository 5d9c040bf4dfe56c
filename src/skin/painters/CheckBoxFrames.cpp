#include "skin/painters/CheckBoxFrames.h"

#include "core/raster/BitmapCopy.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/SkinPainting.h"

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

Bitmap SkinBoxFrame(const TSkinLook& look, const TSkinBoxKind& kind, HWND button, bool enabled)
{
    const LRESULT check = button ? SendMessageW(button, BM_GETCHECK, 0, 0) : BST_UNCHECKED;
    return SkinFrame(look, kind.image, kind.frames, kind.frameFor(check, enabled));
}

void ComposeSkinBox(const TSkinLook& look, const TSkinBoxKind& kind, const Bitmap& frame, framework::TBitmap& box,
                    Color fill, int x, int y)
{
    Canvas canvas(box.CoreBitmap());
    canvas.FillRect(Rect{0, 0, box.Width(), box.Height()}, fill);
    const Color transparent =
        look.GetSkinFlag(kind.transFlag) ? look.GetSkinColor(SKIN2_TRANSCOLOR) : NoTransparentColor;
    CopyRectMasked(canvas, x, y, frame, Rect{0, 0, frame.Width(), frame.Height()}, transparent);
}

} // namespace orvane::skin
