#pragma once

#include "core/raster/Bitmap.h"
#include "framework/TComponent.h"
#include "framework/TControl.h"
#include "framework/TMessageLayers.h"
#include "skin/TvelSkinCollection.h"
#include "skin/look/TSkinContext.h"
#include "skin/look/TSkinLook.h"

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
class TvelSkinEngine : public framework::TComponent, public TSkinContext {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    static constexpr std::int32_t DefaultDisabledTag = 9999;

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
    std::int32_t DisabledTag() const override { return disabledTag; }
    void SetDisabledTag(std::int32_t value) { disabledTag = value; }
    bool DrawScrollBar() const override { return drawScrollBar; }
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
    bool NoChangeButtonsFontColor() const override { return noChangeButtonsFontColor; }
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

    // What the parts that draw ask of the skin.
    bool Skinning() const override;
    bool Going() const override { return IsDestroying(); }
    const TSkinLook& Look() const override { return *look; }
    HWND EngineFormWindow() const override;

    void SkinForm(framework::TCustomForm& form);
    void SkinWindow(HWND window, bool createdByHook);
    void UnskinWindow(HWND window);
    void SkinOpenForms();
    void UnskinOtherForms();
    // Puts the look that has just replaced the old one on every window.
    void ApplyLoadedSkin();
    void AddAutoSkinClassNames();

    // Control skins by class: framework controls through the control
    // registry, plain child windows through the window registry.
    std::unique_ptr<TvelSkinControl> CreateControlSkin(framework::TControl& control, TvelSkinWindow& window);
    std::unique_ptr<TvelSkinControl> CreateWindowSkin(HWND child, TvelSkinWindow& window);

    // Menus skinned are owner-drawn: every item measures and draws itself
    // in the skinned look (MeasureSkinnedMenuItem, DrawSkinnedMenuItem).
    void SkinMenu(framework::TMenu& menu);
    void SkinMenuItem(framework::TMenuItem& item);
    void UnskinMenu(framework::TMenu& menu);
    void UnskinMenuItem(framework::TMenuItem& item);

    // The skinned system menu (Minimize, Maximize/Restore, Close) for a
    // window; false when it closed without a choice.
    bool PopupSystemMenu(TvelSkinWindow& window, POINT screen);
    TvelSkinWindow* SystemMenuWindow() const { return systemMenuWindow; }
    framework::TMenu& SystemMenu();

    // This engine's object for a window, or null.
    TvelSkinWindow* FindWindowObject(HWND window) const;
    // The form the engine sits on.
    framework::TCustomForm& Form() const { return *ownerForm; }
    bool SkinningForms() const { return skinningForms; }
    // A window object's window is being destroyed: the object goes, once
    // its last use is over.
    void WindowDestroyed(TvelSkinWindow& window);
    // A skinned plain window was destroyed: its handle may be activated once
    // more while it goes, and must not be skinned again then.
    void ExcludeDialogOnce(HWND window);

    // The process-wide engine that the window hook serves.
    static TvelSkinEngine* HookEngine();

private:
    friend class TvelSkinHook;
    void HookWindowCreated(HWND window, const CBT_CREATEWNDW& creation, bool& refuse);
    void HookWindowActivated(HWND window);
    void LoadSkinFile(const std::wstring& path);
    enum class TAfterStart { Nothing, ReloadSkinFlags };
    // Takes a new window object into the list and binds it to its window.
    void StartWindowObject(std::unique_ptr<TvelSkinWindow> object, HWND window, TAfterStart then);
    // Takes the object off the list, has it let go of its window and frees
    // it (once its last use is over).
    void ReleaseWindowObject(TvelSkinWindow& window);
    // The objects now in the list, for a walk during which some may go.
    std::vector<TvelSkinWindow*> WindowObjects() const;
    bool Holds(const TvelSkinWindow* window) const;
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

    // The loaded skin's look; a look without a skin until one loads.
    std::unique_ptr<TSkinLook> look;
    // The window objects, in creation order; each is the engine's alone.
    std::vector<std::unique_ptr<TvelSkinWindow>> windows;
    std::unique_ptr<TvelSkinSystemMenu> systemMenu;
    TvelSkinWindow* systemMenuWindow = nullptr;
    bool skinningForms = false;
    bool hookOwner = false;
    struct TPendingForm {
        framework::TCustomForm* form;
        framework::TMessageLayerHandle watch;
    };
    std::vector<std::unique_ptr<TPendingForm>> pendingForms;
};

} // namespace orvane::skin
