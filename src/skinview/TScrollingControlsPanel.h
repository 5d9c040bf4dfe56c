#pragma once

#include "framework/TPanel.h"

namespace orvane::framework {
class TMemo;
class TScrollBox;
} // namespace orvane::framework

namespace orvane::skinview {

// The gallery's page of controls that scroll, drop down or have a sunken
// border: edit boxes, combo boxes, date-time pickers, a hot-key box, a list
// box, a memo, a tree view, a list view, a string grid, a scroll box and
// scroll bars, each in the states a skin author wants to see (enabled,
// disabled, scrolled, with items). The engine dresses them when it skins the
// form, so the panel is made before the engine.
class TScrollingControlsPanel : public framework::TPanel {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    // The room the controls take: a column of the gallery.
    static constexpr int PanelWidth = 320;
    static constexpr int PanelHeight = 400;

    explicit TScrollingControlsPanel(framework::TComponent* owner);

    // Makes the panel filling the parent's client area.
    static TScrollingControlsPanel* CreateOn(framework::TComponent& owner, framework::TWinControl& parent);

    framework::TMemo* ScrolledMemo = nullptr;
    framework::TScrollBox* ScrollBox = nullptr;

protected:
    void CreateWnd() override;
};

} // namespace orvane::skinview
