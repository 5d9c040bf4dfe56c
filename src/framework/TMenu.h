#pragma once

#include "framework/ShortCuts.h"
#include "framework/TComponent.h"
#include "framework/TMenuItem.h"
#include "framework/UserOwners.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace orvane::framework {

class TCustomImageList;

// Whether the menu gives its items access letters itself.
enum class TMenuAutoFlag { maAutomatic, maManual, maParent };

// A menu over a system menu: the tree of its items, turned into a system menu
// when the handle is first needed and again after every change. OwnerDraw
// makes every item owner-drawn, so that the menu's window asks the items to
// measure and draw themselves.
class TMenu : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The invisible root whose items are the menu's top level.
    TMenuItem& Items() { return *root; }
    HMENU Handle();
    bool HandleAllocated() const { return bool(handle); }

    bool OwnerDraw() const { return ownerDraw; }
    void SetOwnerDraw(bool value);

    // The pictures of the items (by their ImageIndex), or null.
    TCustomImageList* Images() const { return images; }
    void SetImages(TCustomImageList* value);
    TMenuAutoFlag AutoHotkeys() const { return autoHotkeys; }
    void SetAutoHotkeys(TMenuAutoFlag value) { autoHotkeys = value; }
    // A right-to-left menu: text right-aligned, pictures on the right.
    bool RightToLeft() const { return rightToLeft; }
    void SetRightToLeft(bool value) { rightToLeft = value; }

    // Runs the enabled, visible item with that short-cut, searched through
    // the whole tree; false when there is none.
    bool IsShortCut(TShortCut shortCut);

    void Notification(TComponent* component, TOperation operation) override;

    TMenuItem* FindItem(int command) { return root->Find(command); }
    // Clicks the item with that command identifier; false when there is none.
    bool DispatchCommand(int command);

    // Called after the system menu was made again, with the new handle.
    std::function<void(TMenu&)> OnRebuilt;

    // An item below this menu changed: the system menu is made again.
    void ItemsChanged();

protected:
    virtual TMenuHandle CreateMenuHandle() { return TMenuHandle(CreatePopupMenu()); }

private:
    std::unique_ptr<TMenuItem> root;
    TMenuHandle handle;
    bool ownerDraw = false;
    TCustomImageList* images = nullptr;
    TMenuAutoFlag autoHotkeys = TMenuAutoFlag::maAutomatic;
    bool rightToLeft = false;
};

// The menu bar of a form.
class TMainMenu : public TMenu {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}

protected:
    TMenuHandle CreateMenuHandle() override { return TMenuHandle(CreateMenu()); }
};

} // namespace orvane::framework
