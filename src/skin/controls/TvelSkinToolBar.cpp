#include "skin/controls/TvelSkinToolBar.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TToolBar.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/ToolBarPainting.h"

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
        SetToolBarStyles(window, TBSTYLE_FLAT, flat);
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
    const RECT client = GetBounds();
    message.Result =
        PaintToolBarCustomDraw(Look(), *reinterpret_cast<NMCUSTOMDRAW*>(message.LParam), client.right, client.bottom);
    return false;
}

} // namespace orvane::skin
