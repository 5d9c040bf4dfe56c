#include "skin/controls/TvelSkinTabControl.h"

#include "framework/GdiOwners.h"
#include "framework/TTabControl.h"
#include "skin/controls/TabControlPainting.h"

namespace orvane::skin {

using namespace framework;

bool TvelSkinTabControl::BeforeMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT: {
        TPaintDC paintCycle(GetHandle());
        Paint();
        message.Result = 0;
        return false;
    }
    case WM_ERASEBKGND:
        message.Result = 1;
        return false;
    default:
        return true;
    }
}

void TvelSkinTabControl::Paint()
{
    HWND window = GetHandle();
    if (!window)
        return;
    PaintSkinnedTabs(Engine(), window, Control().Font().Handle(), [this](int index) { return TabText(index); });
}

std::wstring TvelSkinTabControl::TabText(int index)
{
    if (auto* tabs = As<TCustomTabControl>(&Control()))
        return tabs->TabText(index);
    return SystemTabText(GetHandle(), index);
}

} // namespace orvane::skin
