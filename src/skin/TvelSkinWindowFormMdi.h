#pragma once

#include "framework/Messages.h"
#include "framework/TColor.h"
#include "framework/TMessageLayers.h"
#include "framework/TWindowSubclass.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace orvane::framework {
class TControl;
class TCustomForm;
class TMainMenu;
class TMenuItem;
class TObject;
} // namespace orvane::framework

namespace orvane::skin {

class TvelSkinMenuBarControlButton;
class TvelSkinWindowForm;

// Where an MDI child's skinned frame meets its frame's client area, as the
// frame answers: the child's top height and the gaps below and beside it.
struct TMdiFrameGaps {
    int top = 0;
    int bottom = 0;
    int side = 0;
};

// A skinned form's part as an MDI frame or child.
//
// A frame arranges its children itself (cascade, tile), merges the active
// child's menu into its menu bar, shows the child's minimize, restore and
// close buttons at the bar's right end while the child is maximized, and
// lists the children in its window menu; the bar, the buttons and the list
// follow children that are activated, shown, hidden or go. A child tells its
// frame of each of these.
class TvelSkinWindowFormMdi {
public:
    // A frame's client window is subclassed and its child buttons made,
    // hidden.
    explicit TvelSkinWindowFormMdi(TvelSkinWindowForm& formBinding);
    ~TvelSkinWindowFormMdi();
    TvelSkinWindowFormMdi(const TvelSkinWindowFormMdi&) = delete;
    TvelSkinWindowFormMdi& operator=(const TvelSkinWindowFormMdi&) = delete;

    // Lets go of the form: the client window's procedure back, the window
    // list out of the window menu, the buttons off the form (freed with this
    // object).
    void Release();

    // ---- as a frame

    // The active child's menu, merged into the bar.
    framework::TMainMenu* ChildMenu() const { return childMenu; }
    // The child buttons: 1 close, 2 restore, 3 minimize (index 0 to 2).
    TvelSkinMenuBarControlButton* ControlButton(int index) const;
    bool IsControlButton(const framework::TControl* control) const;
    // The buttons' colours from the skin's menu bar.
    void TakeButtonColors();
    // In the bar's row, at its right end.
    void PlaceControlButtons();
    void HideControlButtons();
    // A line and the children in the window menu, the active one checked.
    void RebuildWindowList();
    void FreeWindowListItems();

    // ---- as a child

    // What the frame's client area answers about where a child meets it.
    TMdiFrameGaps FrameGaps() const;
    // The binding has captured the child's geometry: the frame hears of its
    // menu (during the pass that skins all forms, only when it is the
    // frame's one child).
    void ChildCaptured();
    // Made the last of several skinned children: each child hears again which
    // one is active, so that every frame paints right.
    void ChildSkinned();
    // Bound: the frame lists it.
    void ChildAttached();
    // Activated: the frame shows its menu.
    void ChildActivated();
    // Sized, or skinned while maximized: the frame shows or hides its child
    // buttons.
    void ChildSized();
    // Maximized and not yet told: the frame hears of it.
    void TellFrameIfMaximized();
    // Its window goes: its menu leaves the frame's bar first.
    void ChildGoing();

    // The MDI messages after the form's own handling.
    void AfterDefault(framework::TMessage& message);

private:
    void ClientWindowProc(framework::TMessage& message, const framework::TMessageLayers::TNext& next);
    void CascadeChildren();
    void TileChildren(bool horizontal);
    void CreateControlButtons();
    void ShowControlButtons();
    void ControlButtonClick(framework::TObject* sender);
    // The active child unless it is hidden or is the one leaving.
    framework::TCustomForm* ShownActiveChild(framework::TCustomForm* leaving) const;
    // Puts the menu bar, the child buttons and the window list in step with
    // the children after one hid or while one goes (leaving).
    void FollowChildren(framework::TCustomForm* leaving);
    void ChooseListedChild(framework::TObject* sender);
    // A child shown or hidden (the flags of its new place): the frame
    // follows.
    void AfterChildShownOrHidden(UINT flags);
    // The application's main form, when it is another form than this.
    framework::TCustomForm* Frame() const;

    TvelSkinWindowForm& binding;
    framework::TCustomForm& form;
    framework::TWindowSubclass clientSubclass;
    framework::TMainMenu* childMenu = nullptr;
    std::array<std::unique_ptr<TvelSkinMenuBarControlButton>, 3> controlButtons;
    framework::TColor buttonColor = 0;
    framework::TColor buttonToColor = 0;
    std::vector<std::unique_ptr<framework::TMenuItem>> windowListItems;
    bool childHidden = false;
    bool maximizedTold = false;
};

} // namespace orvane::skin
