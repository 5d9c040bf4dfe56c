#pragma once

#include "core/skinframe/FrameWindow.h"
#include "core/skinframe/TitleBand.h"
#include "framework/Messages.h"
#include "framework/TBitmap.h"
#include "framework/TComponent.h"
#include "skin/WindowTie.h"
#include "skin/look/TSkinContext.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::skin {

class TvelSkinEngine;
class TvelSkinControl;

// The skinned frame of one top-level window: while the engine is active it
// takes over the window's non-client area (size, painting, hit testing, the
// title buttons) and paints title bar and borders from the skin, composed off
// screen and put on the window in one copy each, with a window region that
// cuts the skin's transparent corners away.
//
// Abstract about the window it serves: TvelSkinWindowForm binds it to a
// framework form, TvelSkinWindowWnd to a plain window (a message box, a
// system dialog). Only the engine makes these objects and owns them: it
// calls Start right after construction, and Shutdown when the object's
// window is destroyed or the engine lets go of it; then Free. An object in
// use then (one of its messages under way) is freed when its last use ends.
class TvelSkinWindow : public framework::TComponent, public TSkinControlHost {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    TvelSkinWindow(framework::TComponent* owner, TvelSkinEngine& owningEngine, bool createdByHook);
    ~TvelSkinWindow() override;

    // Binds to the window and switches the look on as the engine is.
    void Start(HWND window);
    // Lets go of the window: the look off, the control skins and the window
    // procedure given back. The object reacts to nothing afterwards.
    void Shutdown();
    bool Released() const { return shutDown; }
    // Frees an object that has been shut down: now, or when its last use
    // ends.
    static void Free(std::unique_ptr<TvelSkinWindow> object);
    // The window object a window wears, of whichever engine, or null.
    static TvelSkinWindow* FromWindow(HWND window);

    void BeginUse() override { ++useCount; }
    void EndUse() override;

    // The window procedure of the skinned window: every message comes here
    // first; CallDefault hands it to the window's own procedure.
    void HandleMessage(framework::TMessage& message);

    void SetSkinned(bool on);
    void InitializeFrame();
    void ReloadSkinFlags();
    void SetHasCaption(bool value);
    void SetHasBorder(bool value);

    void PaintFrame();
    void UpdateRegion();
    // The region again after a WM_SIZE, only when the size changed since it
    // was last set: setting a region makes the system recompute the frame,
    // and its messages must not set it again and again.
    void UpdateRegionForSize();

    // Posted system commands (they run once the current message is over).
    void CloseWindow();
    void ShowContextHelp();
    void MaximizeOrRestore();
    void MinimizeOrRestore();
    void PopupSystemMenuAtIcon();
    void PopupSystemMenuAt(POINT screen);
    // A WM_MEASUREITEM or WM_DRAWITEM of the engine's system menu opened here.
    bool IsSystemMenuItemMessage(const framework::TMessage& message) const;

    int TitleHeight() const;
    // The least window width whose skinned title shows the whole caption
    // beside the title buttons.
    int CaptionFitWidth() const;
    int WindowWidth() const;
    int WindowHeight() const;
    std::string GetAnsiCaption() const;

    TvelSkinEngine& Engine() const { return skinEngine; }
    TSkinContext& Context() const override;
    const TSkinLook& Look() const;
    bool Skinned() const { return skinned; }
    bool Initialized() const { return initialized; }
    bool SkinAllowed() const { return skinAllowed; }
    bool IsActive() const { return isActive; }
    bool HasCaption() const { return hasCaption; }
    bool HasBorder() const { return hasBorder; }
    bool CreatedByHook() const { return madeByHook; }
    int HotButton() const { return hotButton; }
    // The caption as the last title paint drew it, shortened or whole.
    const std::wstring& ShownCaption() const { return shownCaption; }
    bool ButtonDown() const { return buttonDown; }
    int ButtonsLeft() const { return buttonsLeft; }
    bool MaxButtonShown() const { return maxButtonShown; }
    bool MaxItemEnabled() const { return maxItemEnabled; }
    bool MinItemEnabled() const { return minItemEnabled; }
    bool CloseItemEnabled() const { return closeItemEnabled; }
    int OrigTopHeight() const { return origTopHeight; }
    int OrigClientWidth() const { return origClientWidth; }
    int OrigClientHeight() const { return origClientHeight; }
    int MDISideGap() const { return mdiSideGap; }
    int MDIBottomGap() const { return mdiBottomGap; }
    bool TitleNeedsRegion() const { return titleNeedsRegion; }
    bool BottomNeedsRegion() const { return bottomNeedsRegion; }
    const std::vector<std::unique_ptr<TvelSkinControl>>& ControlSkins() const { return controlSkins; }
    // The window holds an animation or progress control (no hover timers in it).
    bool HasAnimatedChild() const override { return hasAnimatedChild; }
    void SetHasAnimatedChild() { hasAnimatedChild = true; }

    // Binding-specific operations; the defaults are those of a plain frame.
    virtual std::wstring GetWideCaption() const { return {}; }
    virtual void ApplySkin() = 0;
    virtual void CallDefault(framework::TMessage& message) = 0;
    virtual void CaptureGeometry() {}
    virtual void SkinControls() = 0;
    virtual void UnskinControls() = 0;
    virtual bool CanSetRegion() const { return true; }
    virtual int MenuBarHeight() const { return 0; }
    virtual HICON IconHandle() const { return nullptr; }
    virtual bool HasHelpButton() const { return false; }
    virtual bool IsMDIFrame() const { return false; }
    virtual bool IsMDIChild() const { return false; }
    virtual bool HasSystemIcon() const { return false; }
    virtual bool HasCloseButton() const { return true; }
    // False for a shown close button that must not act: drawn disabled.
    virtual bool CloseButtonEnabled() const { return true; }
    virtual bool HasMaximizeButton() const { return false; }
    virtual bool HasMinimizeButton() const { return false; }
    virtual bool InitWhileHidden() const { return false; }
    virtual bool HasToolBarUnderMenu() const { return false; }
    virtual bool OwnsNCActivate() const { return false; }
    virtual HWND Handle() const = 0;
    virtual void RememberClientSize() {}
    virtual bool BeforeDefault(framework::TMessage&) { return true; }
    virtual void AfterDefault(framework::TMessage&) {}
    virtual void Attach(HWND window) = 0;
    virtual void Detach() = 0;

protected:
    // The window is being destroyed: the engine releases this object.
    void EndWithWindow();
    // Shutdown comes from the window's destruction.
    bool WindowGoing() const { return windowGoing; }
    // Makes the system measure a window's frame again, moving, sizing,
    // ordering and activating nothing.
    static void FrameChanged(HWND window);

    std::vector<std::unique_ptr<TvelSkinControl>> controlSkins;
    bool destroying = false;
    bool hasCaption = true;
    bool hasBorder = true;
    bool skinAllowed = true;
    bool isActive = true;
    int origClientWidth = 0;
    int origClientHeight = 0;
    int origTopHeight = 0;
    int origLeftWidth = 0;
    int origBottomHeight = 0;
    int mdiBottomGap = 4;
    int mdiSideGap = 4;
    int titleExtra = 0;

private:
    bool LookOn() const;
    framework::TMessage* ForwardIfOff(framework::TMessage& message);
    bool HandleBeforeDefault(framework::TMessage& message);
    void HandleAfterDefault(framework::TMessage& message);
    void CalculateClientArea(framework::TMessage& message);
    void HitTest(framework::TMessage& message);
    // Asks for WM_NCMOUSELEAVE, which repaints a hot title button normal
    // once the pointer has left the frame.
    void TrackNonClientLeave();
    bool OnTitle(LPARAM screenPoint);
    FrameWindow Describe() const;
    void PaintTitle(HDC windowDc, const FrameWindow& frame);
    void PaintBorders(HDC windowDc, const FrameWindow& frame);
    void OutputBand(HDC windowDc, framework::TBitmap& band, framework::TBitmap* bandOut, int y);
    void PostSystemCommand(WPARAM command);

    TvelSkinEngine& skinEngine;
    // How FromWindow finds this object from its window.
    TWindowTie tie;
    bool madeByHook;
    bool skinned;
    bool initialized = false;
    bool shutDown = false;
    bool windowGoing = false;
    int useCount = 0;
    // Released while in use: freed when the last use ends.
    bool freeWhenUnused = false;
    bool hasAnimatedChild = false;
    bool titleNeedsRegion = false;
    bool bottomNeedsRegion = false;
    int hotButton = NoTitlePart;
    bool overDisabledButton = false;
    bool buttonDown = false;
    int buttonsLeft = 10000;
    bool maxButtonShown = false;
    bool maxItemEnabled = false;
    bool minItemEnabled = false;
    bool closeItemEnabled = false;
    // A second click on the icon closed the system menu and the window: its
    // release and double click are taken.
    bool iconClickTaken = false;
    int regionWidth = -1;
    int regionHeight = -1;
    // The window's caption, read again after each change of its text.
    mutable bool captionKnown = false;
    mutable std::wstring wideCaption;
    mutable std::string ansiCaption;
    std::wstring shownCaption;
    framework::TBitmap titleBand;
    std::unique_ptr<framework::TBitmap> titleBandOut;
    framework::TBitmap bottomBand;
    std::unique_ptr<framework::TBitmap> bottomBandOut;
    framework::TBitmap leftStrip;
    framework::TBitmap rightStrip;
};

} // namespace orvane::skin
