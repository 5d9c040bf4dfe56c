#pragma once

#include "framework/TMessageLayers.h"
#include "framework/TWindowSubclass.h"
#include "skin/TvelSkinWindow.h"

#include <memory>

namespace orvane::framework {
class TCustomForm;
class TControl;
class TMainMenu;
} // namespace orvane::framework

namespace orvane::skin {

// The skinned frame of a framework form: it puts itself in front of the
// form's message handling, recolours the form, keeps the form's client size
// and its controls' places, limits how small the form may be made, skins the
// form's controls, and, for an MDI frame, arranges its children itself.
class TvelSkinWindowForm : public TvelSkinWindow {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    TvelSkinWindowForm(framework::TComponent* owner, TvelSkinEngine& owningEngine, bool byHook);
    ~TvelSkinWindowForm() override;

    framework::TCustomForm& Form() const { return *form; }

    std::wstring GetWideCaption() const override;
    void ApplySkin() override;
    void CallDefault(framework::TMessage& message) override;
    void CaptureGeometry() override;
    void SkinControls() override;
    void UnskinControls() override;
    bool CanSetRegion() const override;
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
    void AfterDefault(framework::TMessage& message) override;
    void Attach(HWND window) override;
    void Detach() override;

    void CascadeChildren();
    void TileChildren(bool horizontal);

private:
    void SkinLookOn();
    void SkinLookOff();
    void SetConstraints();
    void ShiftControls(int direction);
    void SkinControl(framework::TControl& control);
    void ClientWindowProc(framework::TMessage& message, const framework::TMessageLayers::TNext& next);
    void AfterSize();

    framework::TCustomForm* form = nullptr;
    framework::TMessageLayerHandle windowProcHook;
    framework::TWindowSubclass clientSubclass;
    const framework::TMessageLayers::TNext* defaultProc = nullptr;
    framework::TMainMenu* menu = nullptr;
    framework::TColor savedColor = 0;
    bool skinAllDone = false;
    bool selfChange = false;
    bool controlsShifted = false;
    bool minWidthSet = false;
    bool minHeightSet = false;
    bool unskinning = false;
    mutable int toolBarUnderMenu = -1; // unknown until first asked
    bool childHidden = false;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

} // namespace orvane::skin
