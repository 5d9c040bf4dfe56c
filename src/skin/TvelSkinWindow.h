#pragma once

#include "core/base/DpiScale.h"
#include "core/skinframe/FrameWindow.h"
#include "core/skinframe/TitleLayout.h"
#include "framework/Messages.h"
#include "framework/TComponent.h"
#include "skin/WindowTie.h"
#include "skin/look/TSkinContext.h"
#include "skin/painters/FramePainter.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::skin {

class TvelSkinEngine;
class TvelSkinControl;

// What a skinned frame has done since it was made: the frames it put on the
// window, the bands it composed for them and the regions it gave the
// window. Tests and benchmarks read it to see what a message costs.
struct TFrameWork {
    long paints = 0;
    long titleCompositions = 0;
    long borderCompositions = 0;
    long regionsSet = 0;
};

// Whether UpdateRegion sets the region again when the window's size and
// skin are those it was last cut for.
enum class TRegionUpdate { WhenChanged, Always };

// The skinned frame of one top-level window: while the engine is active it
// takes over the window's non-client area (size, painting, hit testing, the
// title buttons) and paints title bar and borders from the skin, composed off
// screen and put on the window in one copy each, with a window region that
// cuts the skin's transparent corners away.
//
// The title's layout (where its icon and buttons stand) is computed from
// the window's state whenever it is asked for, so that finding the part
// under the pointer never paints; the bands are kept and composed again
// only when the state they show changes.
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

    // Puts the frame on the window: the kept bands, composed again first
    // where the window's state changed.
    void PaintFrame();
    // Gives the window the region cut from its bands, when its size or skin
    // changed since it was last set (or always, when asked): setting a
    // region makes the system recompute the frame, and its messages must
    // not set it again and again.
    void UpdateRegion(TRegionUpdate when = TRegionUpdate::WhenChanged);
    // The region after a WM_SIZE (the bindings' name for UpdateRegion).
    void UpdateRegionForSize() { UpdateRegion(); }

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
    // The look the frame is drawn and measured with: the skin's look made
    // for the DPI the window is drawn at.
    const TSkinLook& FrameLook() const;
    // The DPI the frame is drawn at: the window's when it was bound, then
    // each new one a WM_DPICHANGED brings.
    unsigned FrameDpi() const { return frameDpi; }
    bool Skinned() const { return skinned; }
    bool Initialized() const { return initialized; }
    bool SkinAllowed() const { return skinAllowed; }
    bool IsActive() const { return isActive; }
    bool HasCaption() const { return hasCaption; }
    bool HasBorder() const { return hasBorder; }
    bool CreatedByHook() const { return madeByHook; }
    // The title part found under the pointer at the last look (a paint, a
    // mouse message over the frame).
    int HotButton() const { return titleHit.part; }
    // The caption as the last title paint drew it, shortened or whole.
    const std::wstring& ShownCaption() const { return painter.ShownCaption(); }
    bool ButtonDown() const { return buttonDown; }
    // Where the title's parts stand for the window's state now; without a
    // title shown (no caption, a maximized MDI child, the look off) no part.
    TitleLayout Layout() const;
    int ButtonsLeft() const { return Layout().buttonsLeft; }
    bool MaxButtonShown() const { return Layout().maxButtonShown; }
    bool MaxItemEnabled() const { return Layout().maxItemEnabled; }
    bool MinItemEnabled() const { return Layout().minItemEnabled; }
    bool CloseItemEnabled() const { return Layout().closeItemEnabled; }
    TFrameWork Work() const;
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
    // The frame took a new DPI (WM_DPICHANGED), after the window's own
    // handling of it.
    virtual void AfterDpiChange() {}
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
    // The window's state, without the pointer and the caption (which only
    // the title's pixels need); `bounds` gets the window rectangle it was
    // read with.
    FrameWindow Describe(RECT* bounds = nullptr) const;
    FrameWindow DescribeWithCaption(RECT* bounds = nullptr) const;
    TitleLayout LayoutOf(const FrameWindow& frame) const;
    // Where the pointer is taken from: the system, or the last mouse
    // message over the frame.
    enum class TPointerRead { Now, LastKnown };
    // The window's state with the title part under the pointer, which it
    // keeps as the hot part.
    FrameWindow FrameNow(TPointerRead read);
    // Whether a press on the title ends when the pointer is found off
    // every part.
    enum class TPressOffParts { Kept, Ends };
    // Finds the title part under the pointer, and repaints the frame only
    // when that changes what the title shows.
    void FollowPointer(TPressOffParts press = TPressOffParts::Kept);
    void PaintFrameOf(const FrameWindow& frame);
    HICON TitleIcon() const;
    TBandRegions BandRegions() const { return TBandRegions{titleNeedsRegion, bottomNeedsRegion}; }
    void PostSystemCommand(WPARAM command);
    // Takes a new DPI: the frame is measured, cut and composed anew at it.
    void TakeDpi(unsigned dpi);
    // After a WM_DPICHANGED: the window takes the system's suggested
    // rectangle (unless its own handling already moved it there), and its
    // frame is measured again.
    void FollowDpiChange(const RECT& suggested);

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
    TitleHit titleHit;
    // The pointer in screen coordinates as the last mouse message over the
    // frame found it.
    POINT pointer{};
    bool pointerKnown = false;
    bool buttonDown = false;
    // A second click on the icon closed the system menu and the window: its
    // release and double click are taken.
    bool iconClickTaken = false;
    // The state the window's region was last cut for; unset (false) while
    // the window has none of ours.
    bool regionSet = false;
    FrameWindow regionState;
    const TSkinLook* regionLook = nullptr;
    long regionsSet = 0;
    // The window's caption, read again after each change of its text.
    mutable bool captionKnown = false;
    mutable std::wstring wideCaption;
    mutable std::string ansiCaption;
    TFramePainter painter;
    unsigned frameDpi = DefaultDpi;
};

} // namespace orvane::skin
