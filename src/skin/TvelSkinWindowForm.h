#pragma once

#include "framework/TMessageLayers.h"
#include "skin/TvelSkinWindow.h"

#include <memory>

namespace orvane::framework {
class TCustomForm;
class TControl;
class TMainMenu;
} // namespace orvane::framework

namespace orvane::skin {

class TvelSkinMenuBar;
class TvelSkinMenuBarControlButton;
class TvelSkinWindowFormControls;
class TvelSkinWindowFormMdi;
class TvelSkinWindowFormMenuBar;

// The skinned frame of a framework form: it puts itself in front of the
// form's message handling, recolours the form, keeps the form's client size
// and its controls' places below the menu bar, and limits how small the form
// may be made. Three parts of its own do the rest: the control walk skins
// the form's controls (TvelSkinWindowFormControls), the menu bar shows the
// form's menu (TvelSkinWindowFormMenuBar), and an MDI frame or child works
// with its children or frame (TvelSkinWindowFormMdi). The binding goes with
// the form's window.
class TvelSkinWindowForm : public TvelSkinWindow {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    TvelSkinWindowForm(framework::TComponent* owner, TvelSkinEngine& owningEngine, framework::TCustomForm& boundForm,
                       bool byHook);
    ~TvelSkinWindowForm() override;

    framework::TCustomForm& Form() const { return *form; }

    std::wstring GetWideCaption() const override;
    void ApplySkin() override;
    void CallDefault(framework::TMessage& message) override;
    void CaptureGeometry() override;
    void SkinControls() override;
    void UnskinControls() override;
    bool CanSetRegion() const override;
    int MenuBarHeight() const override;
    HICON IconHandle() const override;
    bool HasHelpButton() const override;
    bool IsMDIFrame() const override;
    bool IsMDIChild() const override;
    bool HasSystemIcon() const override;
    bool HasCloseButton() const override;
    bool HasMaximizeButton() const override;
    bool HasMinimizeButton() const override;
    bool InitWhileHidden() const override { return true; }
    bool HasToolBarUnderMenu() const override;
    bool OwnsNCActivate() const override { return true; }
    HWND Handle() const override;
    void RememberClientSize() override;
    bool BeforeDefault(framework::TMessage& message) override;
    void AfterDefault(framework::TMessage& message) override;
    void Attach(HWND window) override;
    void Detach() override;

    // The form's menu, taken off the form while the skin look is on.
    framework::TMainMenu* FormMenu() const;
    TvelSkinMenuBar* MenuBar() const;
    // The MDI child buttons of a frame: 1 close, 2 restore, 3 minimize
    // (index 0 to 2); null for other forms.
    TvelSkinMenuBarControlButton* ControlButton(int index) const;
    // An MDI frame's active child's menu, which its bar shows merged with
    // the frame's; null for other forms.
    framework::TMainMenu* MergedChildMenu() const;
    // Fills the menu bar again (forced, or when the menus it shows changed),
    // with the active child's menu merged for an MDI frame, and an MDI
    // frame's window list.
    void RebuildMenuBar(bool forced);
    void AfterDpiChange() override { RebuildMenuBar(true); }
    // A control of the skin's own form class is inside: the form keeps the
    // system's frame.
    void KeepSystemFrame() { skinAllowed = false; }

private:
    void SkinLookOn();
    void SkinLookOff();
    void SetConstraints();
    void ShiftControls(int direction);
    // The bar and the MDI child buttons, which stay where the binding puts
    // them.
    bool IsOwnControl(const framework::TControl* control) const;
    void AfterSize();
    void AfterParentNotify(framework::TMessage& message);

    framework::TCustomForm* form;
    framework::TMessageLayerHandle windowProcHook;
    const framework::TMessageLayers::TNext* defaultProc = nullptr;
    std::unique_ptr<TvelSkinWindowFormControls> controls;
    std::unique_ptr<TvelSkinWindowFormMenuBar> menuBar;
    // MDI frames and children only.
    std::unique_ptr<TvelSkinWindowFormMdi> mdi;
    framework::TColor savedColor = 0;
    bool skinAllDone = false;
    bool selfChange = false;
    bool controlsShifted = false;
    bool minWidthSet = false;
    bool minHeightSet = false;
    bool unskinning = false;
    mutable int toolBarUnderMenu = -1; // unknown until first asked
};

} // namespace orvane::skin
