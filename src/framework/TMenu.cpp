#include "framework/TMenu.h"

#include "framework/PublishedProperties.h"
#include "framework/TImageList.h"

namespace orvane::framework {

namespace {

constexpr TPropertyInfo MenuProperties[] = {
    PublishedValue<TMenu, &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys>(L"AutoHotkeys", TPropertyKind::Enumeration),
    PublishedValue<TMenu, &TMenu::Images, &TMenu::SetImages>(L"Images", TPropertyKind::Object),
    PublishedValue<TMenu, &TMenu::OwnerDraw, &TMenu::SetOwnerDraw>(L"OwnerDraw", TPropertyKind::Boolean),
};

// The item with the short-cut below this one; items under a disabled or
// hidden parent do not count.
TMenuItem* FindShortCut(TMenuItem& parent, TShortCut shortCut)
{
    for (int index = 0; index < parent.Count(); ++index) {
        TMenuItem* item = parent.Items(index);
        if (!item->Visible() || !item->Enabled())
            continue;
        if (item->ShortCut() == shortCut)
            return item;
        if (TMenuItem* found = FindShortCut(*item, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

const TClassInfo TMenu::ClassInfo{L"TMenu", &TComponent::ClassInfo, MenuProperties};
const TClassInfo TMainMenu::ClassInfo{L"TMainMenu", &TMenu::ClassInfo, {}};

TMenu::TMenu(TComponent* owner) : TComponent(owner), root(Create<TMenuItem>(nullptr))
{
    root->rootOf = this;
}

TMenu::~TMenu()
{
    Destroying();
    // The items belong to the form; they only leave this menu.
    while (root->Count() > 0)
        root->Remove(root->Items(root->Count() - 1));
}

HMENU TMenu::Handle()
{
    if (handle)
        return handle.Get();
    handle = CreateMenuHandle();
    for (int i = 0; i < root->Count(); ++i)
        root->Items(i)->AppendTo(handle.Get(), ownerDraw);
    return handle.Get();
}

void TMenu::SetOwnerDraw(bool value)
{
    if (value == ownerDraw)
        return;
    ownerDraw = value;
    ItemsChanged();
}

void TMenu::SetImages(TCustomImageList* value)
{
    images = value;
    ItemsChanged();
}

bool TMenu::IsShortCut(TShortCut shortCut)
{
    if (shortCut == 0)
        return false;
    TMenuItem* item = FindShortCut(*root, shortCut);
    if (!item)
        return false;
    item->Click();
    return true;
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images)
        images = nullptr;
}

bool TMenu::DispatchCommand(int command)
{
    TMenuItem* item = FindItem(command);
    if (!item || item == root.get())
        return false;
    item->Click();
    return true;
}

void TMenu::ItemsChanged()
{
    if (!handle || IsDestroying())
        return;
    // Build the new menu before letting go of the old one, so that the
    // window that shows it never holds a destroyed handle.
    const TMenuHandle old = std::move(handle);
    Handle();
    if (OnRebuilt)
        OnRebuilt(*this);
}

} // namespace orvane::framework
