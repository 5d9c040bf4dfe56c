#include "skin/painters/ScrollBarDrawing.h"

#include "core/skincontrols/ScrollBarPainter.h"
#include "core/skinmodel/SkinKeys.h"
#include "skin/look/TSkinLook.h"
#include "skin/User32Functions.h"

namespace orvane::skin {

void PaintSkinScrollBar(const TSkinLook& look, Canvas& canvas, const Rect& bar, const Rect* thumb,
                        bool vertical)
{
    const TvelSkinScrollBtnRes& images = look.ScrollButtonImages();
    const ScrollBarImages set{vertical ? images.VertButtonImages() : images.HorzButtonImages(),
                              vertical ? images.VertThumbImages() : images.HorzThumbImages(),
                              vertical ? images.WholeBar() : images.WholeBarRotated(), images.ThreePartThumb()};
    PaintScrollBar(canvas, set, look.GetSkinColor(SKIN2_SCROLLBARCOLOR), bar, thumb, vertical);
}

bool QueryScrollBarInfo(HWND window, LONG object, SCROLLBARINFO& info)
{
    const auto query = User32Functions().GetScrollBarInfo;
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    return window && query && query(window, object, &info) != FALSE;
}

bool QueryComboBoxInfo(HWND window, COMBOBOXINFO& info)
{
    const auto query = User32Functions().GetComboBoxInfo;
    info = COMBOBOXINFO{};
    info.cbSize = sizeof(info);
    return window && query && query(window, &info) != FALSE;
}

} // namespace orvane::skin
