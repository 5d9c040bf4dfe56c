#pragma once

#include "core/raster/Bitmap.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinmodel/TvelSkinProgressBarRes.h"
#include "core/skinmodel/TvelSkinReader.h"
#include "core/skinmodel/TvelSkinScrollBtnRes.h"
#include "core/skinmodel/TvelSkinTabRes.h"
#include "framework/GdiOwners.h"
#include "framework/TComponent.h"
#include "framework/TControl.h"
#include "framework/TMessageLayers.h"
#include "skin/TvelSkinCollection.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace orvane::framework {
class TCustomForm;
class TCanvas;
class TMenu;
class TMenuItem;
} // namespace orvane::framework

namespace orvane::skin {

class TvelSkinWindow;
class TvelSkinControl;
class TvelSkinSystemMenu;

// The component that skins a whole program. It sits on the main form; the
// program never calls it. It loads a skin (the package stored in the layout,
// or a file), makes one skinned-window object for each window to skin, and
// watches the windows the user-interface thread creates and activates, so
// that message boxes and system dialogs wear the skin too.
class TvelSkinEngine : public framework::TComponent {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    static constexpr std::int32_t DefaultDisabledTag = 9999;
    static constexpr int MenuColorCount = 13;

    // Throws "Must be placed on a Form" when the owner is not a form.
    explicit TvelSkinEngine(framework::TComponent* owner);
    ~TvelSkinEngine() override;

    bool Active() const { return active; }
    void SetActive(bool value);
    // The current reader's Ready; writing it does nothing.
    bool Ready() const;
    const std::wstring& Password() const { return password; }
    void SetPassword(const std::wstring& value) { password = value; }
    const std::wstring& SkinFile() const { return skinFile; }
    // Loads the package the path names (see the search order in the .cpp);
    // a path that names no file anywhere changes nothing. A package that does
    // not load raises its message ("Wrong password!", "Failed to read skin
    // file!") and leaves the current skin in place; SkinFile is then empty.
    void SetSkinFile(const std::wstring& value);
    const std::wstring& ResSysMenuMin() const { return resSysMenuMin; }
    const std::wstring& ResSysMenuMax() const { return resSysMenuMax; }
    const std::wstring& ResSysMenuClose() const { return resSysMenuClose; }
    void SetResSysMenuMin(const std::wstring& value);
    void SetResSysMenuMax(const std::wstring& value);
    void SetResSysMenuClose(const std::wstring& value);
    std::int32_t DisabledTag() const { return disabledTag; }
    void SetDisabledTag(std::int32_t value) { disabledTag = value; }
    bool DrawScrollBar() const { return drawScrollBar; }
    void SetDrawScrollBar(bool value) { drawScrollBar = value; }
    std::wstring Version() const { return L"4.6"; }
    void SetVersion(const std::wstring&) {}
    bool BuiltIn() const { return builtIn; }
    void SetBuiltIn(bool value);
    bool SkinDialogs() const { return skinDialogs; }
    void SetSkinDialogs(bool value) { skinDialogs = value; }
    bool SkinAllForms() const { return skinAllForms; }
    void SetSkinAllForms(bool value);
    TvelSkinCollection& AdditionalBuiltInSkins() { return additionalSkins; }
    void SetAdditionalBuiltInSkins(const TvelSkinCollection& value);
    bool NoChangeButtonsFontColor() const { return noChangeButtonsFontColor; }
    void SetNoChangeButtonsFontColor(bool value) { noChangeButtonsFontColor = value; }
    const std::vector<std::wstring>& AutoSkinWndClassNames() const { return autoSkinWndClassNames; }
    void SetAutoSkinWndClassNames(const std::vector<std::wstring>& value);
    framework::TNotifyEvent OnSkinChanged;
    framework::TNotifyEvent OnSkinChanging;

    // The package the layout stores: written to a temporary ".ssk" file,
    // loaded from it, and the file deleted in every case; SkinFile keeps its
    // value. A package that cannot be read raises, after the file is gone.
    void SetSkinData(std::span<const std::uint8_t> package);
    // What the layout would store: the file SkinFile names, when BuiltIn.
    std::vector<std::uint8_t> SkinData() const;

    void Loaded() override;
    void Notification(framework::TComponent* component, framework::TOperation operation) override;

    // Active, a skin loaded, not designing: every skinned element asks this.
    bool Skinning() const;

    void SkinForm(framework::TCustomForm& form);
    void SkinWindow(HWND window, bool createdByHook);
    void UnskinWindow(HWND window);
    void SkinOpenForms();
    void UnskinOtherForms();
    void ApplyLoadedSkin();
    void AddAutoSkinClassNames();

    // Skin access for the skinned elements.
    const TvelSkinReader& Reader() const { return *currentReader; }
    bool GetSkinBitmap(int index, Bitmap& target, int count, int frame) const;
    Color GetSkinColor(int index) const;
    bool GetSkinFlag(int index) const;
    std::int32_t GetSkinInt(int index) const;
    Color FormColor() const { return metrics.formColor; }
    HBRUSH FormBrush() const { return formBrush.Get(); }
    const FrameMetrics& Metrics() const { return metrics; }
    const std::array<Color, MenuColorCount>& MenuColors() const { return menuColors; }
    static constexpr Color DisabledMenuTextColor = 0x808080;
    TvelSkinScrollBtnRes& ScrollButtonImages() { return scrollButtons; }
    TvelSkinProgressBarRes& ProgressBarImages() { return progressBars; }
    TvelSkinTabRes& TabImages() { return tabs; }

    // Control skins by class: framework controls through the control
    // registry, plain child windows through the window registry.
    std::unique_ptr<TvelSkinControl> CreateControlSkin(framework::TControl& control, TvelSkinWindow& window);
    std::unique_ptr<TvelSkinControl> CreateWindowSkin(HWND child, TvelSkinWindow& window);

    // Menus skinned are owner-drawn: every item measures and draws itself
    // with MeasureMenuItem and DrawMenuItem.
    void SkinMenu(framework::TMenu& menu);
    void SkinMenuItem(framework::TMenuItem& item);
    void UnskinMenu(framework::TMenu& menu);
    void UnskinMenuItem(framework::TMenuItem& item);
    void MeasureMenuItem(framework::TMenuItem& item, framework::TCanvas& canvas, int& width, int& height) const;
    void DrawMenuItem(framework::TMenuItem& item, framework::TCanvas& canvas, const RECT& rect, bool selected) const;

    // The skinned system menu (Minimize, Maximize/Restore, Close) for a
    // window; false when it closed without a choice.
    bool PopupSystemMenu(TvelSkinWindow& window, POINT screen);
    TvelSkinWindow* SystemMenuWindow() const { return systemMenuWindow; }
    framework::TMenu& SystemMenu();

    // The window objects in creation order.
    const std::vector<TvelSkinWindow*>& Windows() const { return windows; }
    TvelSkinWindow* FindWindowObject(HWND window) const;
    // The form the engine sits on.
    framework::TCustomForm& Form() const { return *ownerForm; }
    bool SkinningForms() const { return skinningForms; }
    bool Releasing() const { return releasing; }
    // Called by a window object as it goes.
    void WindowObjectGone(TvelSkinWindow* window);
    // A skinned plain window was destroyed: its handle may be activated once
    // more while it goes, and must not be skinned again then.
    void ExcludeDialogOnce(HWND window);

    // The process-wide engine that the window hook serves.
    static TvelSkinEngine* HookEngine();
    // The form a binding is being made for outside the usual path (a form
    // not of the TForm family), while SkinForm makes it.
    static framework::TCustomForm* FormBeingSkinned();

private:
    friend class TvelSkinHook;
    void HookWindowCreated(HWND window, const CBT_CREATEWNDW& creation, bool& refuse);
    void HookWindowActivated(HWND window);
    void LoadSkinFile(const std::wstring& path);
    // A form whose window does not exist yet is skinned when it is first
    // shown: making the window now, only to skin it, would build every
    // control of a form that may never show (the puzzle bank's lists).
    void SkinWhenShown(framework::TCustomForm& form);

    framework::TCustomForm* ownerForm;
    bool active = false;
    std::wstring password;
    std::wstring skinFile;
    std::wstring resSysMenuMin = L"Mi&nimize";
    std::wstring resSysMenuMax = L"Ma&ximize/Restore";
    std::wstring resSysMenuClose = L"&Close";
    std::int32_t disabledTag = DefaultDisabledTag;
    bool drawScrollBar = true;
    bool builtIn = false;
    bool skinDialogs = true;
    bool skinAllForms = true;
    bool noChangeButtonsFontColor = false;
    TvelSkinCollection additionalSkins;
    std::vector<std::wstring> autoSkinWndClassNames;

    std::unique_ptr<TvelSkinReader> mainReader;
    TvelSkinReader* currentReader;
    std::vector<TvelSkinWindow*> windows;
    TvelSkinScrollBtnRes scrollButtons;
    TvelSkinProgressBarRes progressBars;
    TvelSkinTabRes tabs;
    std::unique_ptr<TvelSkinSystemMenu> systemMenu;
    TvelSkinWindow* systemMenuWindow = nullptr;
    FrameMetrics metrics;
    std::array<Color, MenuColorCount> menuColors{};
    framework::TBrushHandle formBrush;
    bool skinningForms = false;
    bool releasing = false;
    bool hookOwner = false;
    struct TPendingForm {
        framework::TCustomForm* form;
        framework::TMessageLayerHandle watch;
    };
    std::vector<std::unique_ptr<TPendingForm>> pendingForms;
};

} // namespace orvane::skin
