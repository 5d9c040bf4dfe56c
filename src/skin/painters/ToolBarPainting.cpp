#include "skin/painters/ToolBarPainting.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Gradient.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

namespace {

void PaintBackground(const TSkinLook& look, HDC dc, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    TBitmap background(width, height);
    {
        Canvas canvas(background.CoreBitmap());
        const Color start = look.GetSkinColor(SKIN2_TOOLBARSTARTCOLOR);
        const Color end = look.GetSkinColor(SKIN2_TOOLBARENDCOLOR);
        Bitmap image;
        if (look.GetSkinBitmap(SKIN2_TOOLBAR, image, 0, 0) && !image.Empty())
            StretchRect(canvas, Rect{0, 0, width, height}, image, Rect{0, 0, image.Width(), image.Height()});
        else if (start != end)
            FillGradientV(canvas, Rect{0, 0, width, height}, start, end);
        else
            canvas.FillRect(Rect{0, 0, width, height}, start);
    }
    BitBlt(dc, 0, 0, width, height, background.Canvas().Handle(), 0, 0, SRCCOPY);
}

void PaintButton(const TSkinLook& look, const NMCUSTOMDRAW& draw)
{
    const bool down = (draw.uItemState & (CDIS_SELECTED | CDIS_CHECKED)) != 0;
    const bool hot = (draw.uItemState & CDIS_HOT) != 0;
    const bool enabled = (draw.uItemState & CDIS_DISABLED) == 0;
    if (!enabled || !(down || hot))
        return;
    const TBrushHandle fill(CreateSolidBrush(look.GetSkinColor(down ? SKIN2_TOOLBARDOWNCOLOR : SKIN2_TOOLBARONCOLOR)));
    const TBrushHandle border(CreateSolidBrush(look.GetSkinColor(SKIN2_TOOLBARBORDERCOLOR)));
    FillRect(draw.hdc, &draw.rc, fill.Get());
    FrameRect(draw.hdc, &draw.rc, border.Get());
}

} // namespace

void SetToolBarStyles(HWND toolBar, LONG styles, bool on)
{
    const LONG style = GetWindowLongW(toolBar, GWL_STYLE);
    SetWindowLongW(toolBar, GWL_STYLE, on ? style | styles : style & ~styles);
}

LRESULT PaintToolBarCustomDraw(const TSkinLook& look, NMCUSTOMDRAW& draw, int width, int height)
{
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
        PaintBackground(look, draw.hdc, width, height);
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        PaintButton(look, draw);
        return CDRF_DODEFAULT | TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET;
    default:
        return CDRF_DODEFAULT;
    }
}

} // namespace orvane::skin
