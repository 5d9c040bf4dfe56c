#include "skin/controls/TvelSkinWndToolbarWindow32.h"

#include "skin/PlatformVersion.h"
#include "skin/painters/ToolBarPainting.h"

namespace orvane::skin {

void TvelSkinWndToolbarWindow32::Init()
{
    if (IsWin9x())
        SetToolBarStyles(GetHandle(), TBSTYLE_FLAT | TBSTYLE_TRANSPARENT, true);
}

} // namespace orvane::skin
