#pragma once

#include "framework/TToolBar.h"
#include "skin/look/TSkinContext.h"

namespace orvane::skin {

// The menu bar of a skinned form: a tool bar at the top of the client area
// whose buttons stand for the top-level items of the form's menu, which the
// skinned frame takes away from the form. The binding fills and draws it; the
// bar filters the mouse and keys so that items without sub-items click once
// and access letters work as on a menu bar. Its messages are uses of the
// form's window object, which owns it: a menu item that frees the form
// leaves the bar whole until the item's click is over.
class TvelSkinMenuBar : public framework::TToolBar {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    // The mark of a button drawn hot or selected.
    static constexpr std::int32_t MarkedTag = 888;

    TvelSkinMenuBar(framework::TComponent* owner, TSkinControlHost& formBinding);

    // A button drawn hot or selected now.
    bool AnyButtonMarked() const;
    // An access letter typed on the form; with Alt, or while an item is hot,
    // it opens the item with that letter. True when it did.
    bool DialogChar(wchar_t letter, bool altHeld);

protected:
    void WndProc(framework::TMessage& message) override;

private:
    framework::TToolButton* ButtonAt(POINT client) const;

    TSkinControlHost& host;
};

} // namespace orvane::skin
