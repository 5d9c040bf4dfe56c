#pragma once

#include "framework/ShortCuts.h"
#include "framework/TCanvas.h"
#include "framework/TComponent.h"
#include "framework/TControl.h"
#include "framework/UserOwners.h"

#include <memory>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace orvane::framework {

class TMenu;
class TBitmap;
class TCustomImageList;

using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas& canvas, const RECT& rect, UINT state)>;
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas& canvas, int& width, int& height)>;

// One item of a menu: a command, a separator (caption "-") or a submenu (an
// item with items of its own). Items are components of the form they stand
// on; the tree of items is the menu's structure.
class TMenuItem : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::wstring& Caption() const { return caption; }
    void SetCaption(const std::wstring& value);
    const std::wstring& Hint() const { return hint; }
    void SetHint(const std::wstring& value) { hint = value; }
    bool Enabled() const { return enabled; }
    void SetEnabled(bool value);
    bool Checked() const { return checked; }
    void SetChecked(bool value);
    bool Visible() const { return visible; }
    void SetVisible(bool value);
    bool IsLine() const { return caption == L"-"; }
    // Run by the menu's short-cut test whatever the menu shows; its text
    // stands beside the caption.
    TShortCut ShortCut() const { return shortCut; }
    void SetShortCut(TShortCut value);
    // The item the menu shows in bold and runs on a double click.
    bool Default() const { return isDefault; }
    void SetDefault(bool value);
    // Where an MDI child's menu merges into its frame's: items of the child
    // take the place of the frame's items with the same group.
    int GroupIndex() const { return groupIndex; }
    void SetGroupIndex(int value) { groupIndex = std::clamp(value, 0, 255); }
    // The picture of the item in its image list, or -1.
    int ImageIndex() const { return imageIndex; }
    void SetImageIndex(int value);
    // The image list for the items below this one, instead of the menu's.
    TCustomImageList* SubMenuImages() const { return subMenuImages; }
    void SetSubMenuImages(TCustomImageList* value);
    // A picture of the item's own, for items without an image list; made
    // empty on first use.
    TBitmap& Bitmap();
    bool HasBitmap() const;

    // The identifier WM_COMMAND reports this item with.
    int Command() const { return command; }

    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return int(items.size()); }
    TMenuItem* Items(int index) const { return items[std::size_t(index)]; }
    TMenuItem* Parent() const { return parentItem; }
    // The menu this item belongs to, or null.
    TMenu* Menu() const;
    // This item or one below it with that command identifier.
    TMenuItem* Find(int commandId);

    virtual void Click();
    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    // Owner drawing, when the menu draws its items itself.
    virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
    virtual void DrawItem(TCanvas& canvas, const RECT& rect, UINT state);

    // Appends this item to a system menu (with its submenu, if any).
    void AppendTo(HMENU menu, bool ownerDraw);
    // A new system pop-up menu of the items below this one, for showing them
    // as a drop-down; the caller destroys it.
    TMenuHandle CreateDropDown(bool ownerDraw);

    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TMenu;
    void Changed();

    std::wstring caption;
    std::wstring hint;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    bool isDefault = false;
    TShortCut shortCut = 0;
    int groupIndex = 0;
    int imageIndex = -1;
    TCustomImageList* subMenuImages = nullptr;
    std::unique_ptr<TBitmap> bitmap;
    int command;
    TMenuItem* parentItem = nullptr;
    TMenu* rootOf = nullptr; // set on the invisible root item of a menu
    std::vector<TMenuItem*> items;
};

} // namespace orvane::framework
