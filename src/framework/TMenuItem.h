#pragma once

#include "framework/TCanvas.h"
#include "framework/TComponent.h"
#include "framework/TControl.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::framework {

class TMenu;

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

private:
    friend class TMenu;
    void Changed();

    std::wstring caption;
    std::wstring hint;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    int command;
    TMenuItem* parentItem = nullptr;
    TMenu* rootOf = nullptr; // set on the invisible root item of a menu
    std::vector<TMenuItem*> items;
};

} // namespace orvane::framework
