#include "framework/TMenuItem.h"

#include "framework/CommandIds.h"
#include "framework/PublishedProperties.h"
#include "framework/TBitmap.h"
#include "framework/TImageList.h"
#include "framework/TMenu.h"

#include <algorithm>

namespace orvane::framework {

namespace {

constexpr int OwnerDrawTextMargin = 8;

constexpr TPropertyInfo MenuItemProperties[] = {
    PublishedValue<TMenuItem, &TMenuItem::Caption, &TMenuItem::SetCaption>(L"Caption", TPropertyKind::String),
    PublishedValue<TMenuItem, &TMenuItem::Checked, &TMenuItem::SetChecked>(L"Checked", TPropertyKind::Boolean),
    PublishedValue<TMenuItem, &TMenuItem::Default, &TMenuItem::SetDefault>(L"Default", TPropertyKind::Boolean),
    PublishedValue<TMenuItem, &TMenuItem::Enabled, &TMenuItem::SetEnabled>(L"Enabled", TPropertyKind::Boolean),
    PublishedValue<TMenuItem, &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex>(L"GroupIndex",
                                                                                   TPropertyKind::Integer),
    PublishedValue<TMenuItem, &TMenuItem::Hint, &TMenuItem::SetHint>(L"Hint", TPropertyKind::String),
    PublishedValue<TMenuItem, &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex>(L"ImageIndex",
                                                                                  TPropertyKind::Integer),
    PublishedValue<TMenuItem, &TMenuItem::ShortCut, &TMenuItem::SetShortCut>(L"ShortCut", TPropertyKind::Integer),
    PublishedValue<TMenuItem, &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages>(L"SubMenuImages",
                                                                                        TPropertyKind::Object),
    PublishedValue<TMenuItem, &TMenuItem::Visible, &TMenuItem::SetVisible>(L"Visible", TPropertyKind::Boolean),
};

} // namespace

const TClassInfo TMenuItem::ClassInfo{L"TMenuItem", &TComponent::ClassInfo, MenuItemProperties};

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command(NewCommandId()) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    for (TMenuItem* item : items)
        item->parentItem = nullptr;
    items.clear();
    if (parentItem)
        parentItem->Remove(this);
    ReleaseCommandId(command);
}

void TMenuItem::SetCaption(const std::wstring& value)
{
    caption = value;
    Changed();
}

void TMenuItem::SetEnabled(bool value)
{
    enabled = value;
    Changed();
}

void TMenuItem::SetChecked(bool value)
{
    checked = value;
    Changed();
}

void TMenuItem::SetVisible(bool value)
{
    visible = value;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut value)
{
    shortCut = value;
    Changed();
}

void TMenuItem::SetDefault(bool value)
{
    isDefault = value;
    Changed();
}

void TMenuItem::SetImageIndex(int value)
{
    imageIndex = value;
    Changed();
}

void TMenuItem::SetSubMenuImages(TCustomImageList* value)
{
    subMenuImages = value;
    Changed();
}

TBitmap& TMenuItem::Bitmap()
{
    if (!bitmap)
        bitmap = std::make_unique<TBitmap>();
    return *bitmap;
}

bool TMenuItem::HasBitmap() const { return bitmap && !bitmap->Empty(); }

void TMenuItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == subMenuImages)
        subMenuImages = nullptr;
}

void TMenuItem::Add(TMenuItem* item)
{
    if (item->parentItem)
        item->parentItem->Remove(item);
    items.push_back(item);
    item->parentItem = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item)
{
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end())
        return;
    items.erase(found);
    item->parentItem = nullptr;
    Changed();
}

TMenu* TMenuItem::Menu() const
{
    const TMenuItem* item = this;
    while (item->parentItem)
        item = item->parentItem;
    return item->rootOf;
}

TMenuItem* TMenuItem::Find(int commandId)
{
    if (command == commandId)
        return this;
    for (TMenuItem* item : items)
        if (TMenuItem* found = item->Find(commandId))
            return found;
    return nullptr;
}

void TMenuItem::Changed()
{
    if (IsLoading() || IsDestroying())
        return;
    if (TMenu* menu = Menu())
        menu->ItemsChanged();
}

void TMenuItem::Click()
{
    if (enabled && OnClick)
        OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height)
{
    if (OnMeasureItem) {
        OnMeasureItem(this, canvas, width, height);
        return;
    }
    const SIZE text = canvas.TextExtent(caption);
    width = text.cx + 2 * OwnerDrawTextMargin;
    height = IsLine() ? OwnerDrawTextMargin : std::max<int>(text.cy + OwnerDrawTextMargin / 2, GetSystemMetrics(SM_CYMENU));
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, UINT state)
{
    if (OnDrawItem) {
        OnDrawItem(this, canvas, rect, state);
        return;
    }
    const bool selected = (state & ODS_SELECTED) != 0;
    canvas.Brush.Color = selected ? clSystemColor | COLOR_HIGHLIGHT : clSystemColor | COLOR_MENU;
    canvas.FillRect(rect);
    RECT textRect = rect;
    textRect.left += OwnerDrawTextMargin;
    canvas.Font().SetColor(!enabled ? clGray : selected ? clSystemColor | COLOR_HIGHLIGHTTEXT : clSystemColor | COLOR_MENUTEXT);
    canvas.TextRect(caption, textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw)
{
    if (!visible)
        return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = UINT(command);
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    // The system menu shows the short-cut's text after a tab, right-aligned.
    std::wstring text = caption;
    if (const std::wstring keys = ShortCutToText(shortCut); !keys.empty())
        text += L"\t" + keys;
    if (IsLine())
        info.fType = MFT_SEPARATOR;
    else {
        info.fMask |= MIIM_STRING;
        info.dwTypeData = text.data();
    }
    if (ownerDraw)
        info.fType |= MFT_OWNERDRAW;
    info.fState = (enabled ? MFS_ENABLED : MFS_DISABLED) | (checked ? MFS_CHECKED : MFS_UNCHECKED) |
                  (isDefault ? MFS_DEFAULT : 0u);
    TMenuHandle dropDown;
    if (!items.empty()) {
        dropDown = CreateDropDown(ownerDraw);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = dropDown.Get();
    }
    // The menu takes the drop-down over once it holds the item.
    if (InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info))
        dropDown.Release();
}

TMenuHandle TMenuItem::CreateDropDown(bool ownerDraw)
{
    TMenuHandle dropDown(CreatePopupMenu());
    for (TMenuItem* item : items)
        item->AppendTo(dropDown.Get(), ownerDraw);
    return dropDown;
}

} // namespace orvane::framework
