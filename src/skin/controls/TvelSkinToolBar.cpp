#include "skin/controls/TvelSkinToolBar.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Gradient.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "framework/TToolBar.h"
#include "skin/look/TSkinLook.h"

#include <commctrl.h>

namespace orvane::skin {

using namespace framework;

void TvelSkinToolBar::Init()
{
    if (auto* bar = As<TToolBar>(&Control()))
        ownFlat = bar->Flat();
    ownColor = Control().Color();
}

void TvelSkinToolBar::SetFlatStyle(bool flat)
{
    if (auto* bar = As<TToolBar>(&Control()))
        bar->SetFlat(flat);
    if (HWND window = Handle()) {
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        SetWindowLongW(window, GWL_STYLE, flat ? style | TBSTYLE_FLAT : style & ~LONG(TBSTYLE_FLAT));
        InvalidateRect(window, nullptr, TRUE);
    }
}

void TvelSkinToolBar::SkinChanged()
{
    if (Skinning()) {
        SetFlatStyle(true);
        Control().SetColor(TColor(Look().GetSkinColor(SKIN2_TOOLBARSTARTCOLOR)));
    } else {
        SetFlatStyle(ownFlat);
        Control().SetColor(ownColor);
    }
}

bool TvelSkinToolBar::BeforeMessage(TMessage& message)
{
    if (message.Msg != CN_NOTIFY)
        return true;
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (header->code != NM_CUSTOMDRAW)
        return true;
    message.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(message.LParam));
    return false;
}

LRESULT TvelSkinToolBar::CustomDraw(NMCUSTOMDRAW& draw)
{
    const TSkinLook& look = Look();
    if (draw.dwDrawStage == CDDS_PREPAINT) {
        RECT client = GetBounds();
        const int width = client.right, height = client.bottom;
        if (width > 0 && height > 0) {
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
            BitBlt(draw.hdc, 0, 0, width, height, background.Canvas().Handle(), 0, 0, SRCCOPY);
        }
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
        const bool down = (draw.uItemState & (CDIS_SELECTED | CDIS_CHECKED)) != 0;
        const bool hot = (draw.uItemState & CDIS_HOT) != 0;
        const bool enabled = (draw.uItemState & CDIS_DISABLED) == 0;
        if (enabled && (down || hot)) {
            const TBrushHandle fill(CreateSolidBrush(look.GetSkinColor(down ? SKIN2_TOOLBARDOWNCOLOR
                                                                                : SKIN2_TOOLBARONCOLOR)));
            const TBrushHandle border(CreateSolidBrush(look.GetSkinColor(SKIN2_TOOLBARBORDERCOLOR)));
            FillRect(draw.hdc, &draw.rc, fill.Get());
            FrameRect(draw.hdc, &draw.rc, border.Get());
        }
        return CDRF_DODEFAULT | TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET;
    }
    return CDRF_DODEFAULT;
}

} // namespace orvane::skin
