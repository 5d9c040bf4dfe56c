#include "skin/controls/TvelSkinWndTabControl.h"

#include "core/skinmodel/TvelSkinTabRes.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/TabControlPainting.h"

#include <commctrl.h>

#include <algorithm>

namespace orvane::skin {

using namespace framework;

void TvelSkinWndTabControl::Init()
{
    RECT tab{};
    if (SendMessageW(GetHandle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab)))
        ownTabHeight = tab.bottom - tab.top;
}

void TvelSkinWndTabControl::SkinChanged()
{
    HWND window = GetHandle();
    if (!window || ownTabHeight <= 0)
        return;
    int height = ownTabHeight;
    if (Skinning())
        height = std::max(height, Look().TabImages().ActiveTab(TvelSkinTabRes::Orientation::AsStored).Height());
    SendMessageW(window, TCM_SETITEMSIZE, 0, MAKELPARAM(0, height));
    InvalidateRect(window, nullptr, TRUE);
}

bool TvelSkinWndTabControl::BeforeMessage(TMessage& message)
{
    return !AnswerOwnPaintMessages(message);
}

void TvelSkinWndTabControl::Paint()
{
    PaintSkinnedTabs(Look(), GetHandle());
}

} // namespace orvane::skin
