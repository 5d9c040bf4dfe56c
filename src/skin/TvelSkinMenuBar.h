#pragma once

#include "framework/TToolBar.h"

namespace orvane::skin {

class TvelSkinWindowForm;

// The menu bar of a skinned form: a tool bar at the top of the client area
// whose buttons stand for the top-level items of the form's menu, which the
// skinned frame takes away from the form. The binding fills and draws it; the
// bar filters the mouse and keys so that items without sub-items click once
// and access letters work as on a menu bar.
class TvelSkinMenuBar : public framework::TToolBar {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    // The mark of a button drawn hot or selected.
    static constexpr std::int32_t MarkedTag = 888;

    TvelSkinMenuBar(framework::TComponent* owner, TvelSkinWindowForm& formBinding);

    TvelSkinWindowForm& Binding() const { return binding; }
    // A button drawn hot or selected now.
    bool AnyButtonMarked() const;
    // An access letter typed on the form; with Alt, or while an item is hot,
    // it opens the item with that letter. True when it did.
    bool DialogChar(wchar_t letter, bool altHeld);

protected:
    void WndProc(framework::TMessage& message) override;

private:
    framework::TToolButton* ButtonAt(POINT client) const;

    TvelSkinWindowForm& binding;
};

} // namespace orvane::skin
