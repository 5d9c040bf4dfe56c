#include "skin/controls/TvelSkinTabControl.h"

#include "framework/TTabControl.h"
#include "skin/painters/TabControlPainting.h"

namespace orvane::skin {

using namespace framework;

bool TvelSkinTabControl::BeforeMessage(TMessage& message)
{
    return !AnswerOwnPaintMessages(message);
}

void TvelSkinTabControl::Paint()
{
    PaintSkinnedTabs(Look(), GetHandle(), Control().Font().Handle(), [this](int index) { return TabText(index); });
}

std::wstring TvelSkinTabControl::TabText(int index)
{
    if (auto* tabs = As<TCustomTabControl>(&Control()))
        return tabs->TabText(index);
    return SystemTabText(GetHandle(), index);
}

} // namespace orvane::skin
