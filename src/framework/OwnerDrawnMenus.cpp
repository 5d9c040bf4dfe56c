#include "framework/OwnerDrawnMenus.h"

#include "framework/GdiOwners.h"
#include "framework/TCanvas.h"
#include "framework/TMenuItem.h"

namespace orvane::framework {

bool IsOwnerDrawnMenuMessage(const TMessage& message)
{
    if (message.Msg == WM_MEASUREITEM)
        return reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU;
    if (message.Msg == WM_DRAWITEM)
        return reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU;
    return false;
}

void HandleOwnerDrawnMenuMessage(HWND window, TMessage& message)
{
    if (message.Msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
        const TClientDC dc(window);
        TCanvas canvas;
        canvas.SetHandle(dc.Handle());
        int width = 0;
        int height = 0;
        item->MeasureItem(canvas, width, height);
        canvas.SetHandle(nullptr);
        measure->itemWidth = UINT(width);
        measure->itemHeight = UINT(height);
    } else {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
        TCanvas canvas;
        canvas.SetHandle(draw->hDC);
        item->DrawItem(canvas, draw->rcItem, draw->itemState);
        canvas.SetHandle(nullptr);
    }
    message.Result = TRUE;
}

} // namespace orvane::framework
