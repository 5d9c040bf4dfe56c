#pragma once

#include "framework/TApplication.h"
#include "framework/TMessageLayers.h"
#include "framework/TWindowSubclass.h"
#include "skin/TvelSkinWindow.h"

#include <array>
#include <memory>
#include <vector>

namespace orvane::framework {
class TCustomForm;
class TControl;
class TMainMenu;
class TMenuItem;
class TToolBar;
class TToolButton;
} // namespace orvane::framework

namespace orvane::skin {

class TvelSkinMenuBar;
class TvelSkinMenuBarControlButton;

// The skinned frame of a framework form: it puts itself in front of the
// form's message handling, recolours the form, takes the form's menu and
// shows it on a skinned menu bar in the client area, keeps the form's client
// size and its controls' places, limits how small the form may be made, skins
// the form's controls, and, for an MDI frame, arranges its children itself,
// merges the active child's menu into its bar and lists the children.
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

    // ---- the menu bar
    int MenuBarHeight() const override;
    TvelSkinMenuBar* MenuBar() const { return menuBar; }
    // The top-level items the bar shows.
    const std::vector<framework::TMenuItem*>& MenuItems() const { return menuItems; }
    void RebuildMenuBar(bool forced);
    void RebuildWindowList();
    // Runs the menu item of the key's short-cut when this form is active.
    bool CheckShortCut(const MSG& keyMessage);
    // The MDI child buttons: 1 close, 2 restore, 3 minimize (index 0 to 2).
    TvelSkinMenuBarControlButton* ControlButton(int index) const { return controlButtons[std::size_t(index)]; }
    bool BeforeDefault(framework::TMessage& message) override;

private:
    void CreateMenuBar();
    void FreeMenuBar();
    void CollectMenuItems(framework::TMainMenu* mergedChildMenu);
    void FillMenuBar();
    void DrawBarButton(framework::TToolBar& bar, framework::TToolButton& button, unsigned state, bool& defaultDraw);
    void DrawBarBackground(framework::TToolBar& bar, const RECT& rect, bool& defaultDraw);
    void HandleAppMessage(MSG& message, bool& handled);
    // Alt with a letter typed while a child window has the focus: opens the
    // skinned bar's menu of that letter. True when it did.
    bool KeyMenuFromChild(const MSG& charMessage);
    void ControlButtonClick(framework::TObject* sender);
    void PlaceControlButtons();
    void ShowControlButtons();
    void HideControlButtons();
    // The active MDI child unless it is hidden or is the one leaving.
    framework::TCustomForm* ShownActiveChild(framework::TCustomForm* leaving) const;
    // Puts the menu bar, the child buttons and the window list in step with
    // the children after one hid or while one goes (leaving).
    void FollowChildren(framework::TCustomForm* leaving);
    void ChooseListedChild(framework::TObject* sender);
    void FreeWindowListItems();
    void TakeMenuBarColors();

    void SkinLookOn();
    void SkinLookOff();
    void SetConstraints();
    void ShiftControls(int direction);
    void SkinControl(framework::TControl& control);
    void ClientWindowProc(framework::TMessage& message, const framework::TMessageLayers::TNext& next);
    void AfterSize();
    // An MDI child shown or hidden (the flags of its new place): the frame
    // follows.
    void AfterChildShownOrHidden(UINT flags);

    framework::TCustomForm* form = nullptr;
    framework::TMessageLayerHandle windowProcHook;
    framework::TWindowSubclass clientSubclass;
    const framework::TMessageLayers::TNext* defaultProc = nullptr;
    framework::TMainMenu* menu = nullptr;
    framework::TMainMenu* childMenu = nullptr;
    framework::TCustomForm* childMenuOwner = nullptr;
    framework::TMainMenu* shownMenu = nullptr;
    framework::TMainMenu* shownChildMenu = nullptr;
    std::vector<framework::TMenuItem*> menuItems;
    bool menuItemsHaveImages = false;
    TvelSkinMenuBar* menuBar = nullptr;
    std::array<TvelSkinMenuBarControlButton*, 3> controlButtons{};
    framework::TColor buttonColor = 0;
    framework::TColor buttonToColor = 0;
    framework::TApplication::THandlerToken appEvents = 0;
    std::vector<framework::TMenuItem*> windowListItems;
    framework::TColor savedColor = 0;
    bool skinAllDone = false;
    bool selfChange = false;
    bool controlsShifted = false;
    bool minWidthSet = false;
    bool minHeightSet = false;
    bool unskinning = false;
    mutable int toolBarUnderMenu = -1; // unknown until first asked
    bool childHidden = false;
};

} // namespace orvane::skin
