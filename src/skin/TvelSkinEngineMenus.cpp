// The engine makes a skinned menu owner-drawn and gives each of its items
// the skinned look's two handlers.

#include "skin/TvelSkinEngine.h"

#include "framework/TMenu.h"
#include "framework/TMenuItem.h"
#include "skin/painters/MenuItemPainting.h"

#include <functional>

namespace orvane::skin {

using namespace framework;

namespace {

// Every item below the parent, at every depth.
void ForEachItemBelow(TMenuItem& parent, const std::function<void(TMenuItem&)>& action)
{
    for (int index = 0; index < parent.Count(); ++index) {
        action(*parent.Items(index));
        ForEachItemBelow(*parent.Items(index), action);
    }
}

} // namespace

void TvelSkinEngine::SkinMenu(TMenu& menu)
{
    menu.SetOwnerDraw(true);
    ForEachItemBelow(menu.Items(), [this](TMenuItem& item) { SkinMenuItem(item); });
}

void TvelSkinEngine::SkinMenuItem(TMenuItem& item)
{
    item.OnMeasureItem = [this](TObject* sender, TCanvas& canvas, int& width, int& height) {
        MeasureSkinnedMenuItem(*static_cast<TMenuItem*>(sender), canvas, width, height);
    };
    item.OnDrawItem = [this](TObject* sender, TCanvas& canvas, const RECT& rect, UINT state) {
        DrawSkinnedMenuItem(Look(), *static_cast<TMenuItem*>(sender), canvas, rect, (state & ODS_SELECTED) != 0);
    };
}

void TvelSkinEngine::UnskinMenu(TMenu& menu)
{
    ForEachItemBelow(menu.Items(), [this](TMenuItem& item) { UnskinMenuItem(item); });
    if (!menu.IsDestroying())
        menu.SetOwnerDraw(false);
}

void TvelSkinEngine::UnskinMenuItem(TMenuItem& item)
{
    item.OnMeasureItem = nullptr;
    item.OnDrawItem = nullptr;
}

} // namespace orvane::skin
