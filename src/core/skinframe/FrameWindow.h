#pragma once

#include <string>

namespace orvane {

// What a skinned frame needs to know of its window to compose and measure
// its frame. The Win32 side fills it from the window and its binding; tests
// fill it by hand.
enum class FrameWindowShow { Normal, Minimized, Maximized };

// The title parts, numbered as the frame's hot-part state holds them.
enum TitlePart : int {
    NoTitlePart = -1,
    IconPart = 0,
    ClosePart = 1,
    MaximizePart = 2, // maximize or restore
    MinimizePart = 3, // minimize or restore
    HelpPart = 4,
};

struct FrameWindow {
    int width = 0;  // W: the window rectangle's
    int height = 0; // H
    int menuBarHeight = 0;  // M: the skinned menu bar inside the client area, 0 when none
    int titleHeight = 0;    // T: the skin's title height while the window has a caption and is skinned, else 0
    int origTopHeight = 0;  // window top to client top before skinning, without a system menu bar
    int titleExtra = 0;     // origTopHeight - titleHeight when positive, else 0
    int mdiSideGap = 4;     // least side and bottom frame around the client area
    int mdiBottomGap = 4;
    bool hasCaption = true;
    bool hasBorder = true;
    bool hasSystemIcon = false;
    bool hasCloseButton = true;
    // A close button that is shown but refuses to act (a question box that
    // has no Cancel): drawn disabled, never hot, its system-menu item off.
    bool closeButtonEnabled = true;
    bool hasMaximizeButton = false;
    bool hasMinimizeButton = false;
    bool hasHelpButton = false;
    bool hasToolBarUnderMenu = false;
    bool isMDIFrame = false;
    bool isMDIChild = false;
    FrameWindowShow show = FrameWindowShow::Normal;
    bool isActive = true;
    // The title part under the pointer (found by TitlePartAt), drawn hot,
    // and pressed while the left button that went down on the title has not
    // come up.
    int hotPart = NoTitlePart;
    bool buttonDown = false;
    std::wstring wideCaption;  // empty when the window has no wide caption
    std::string ansiCaption;

    bool Minimized() const { return show == FrameWindowShow::Minimized; }
    bool Maximized() const { return show == FrameWindowShow::Maximized; }
    bool MaximizedMDIChild() const { return isMDIChild && Maximized(); }
};

} // namespace orvane
