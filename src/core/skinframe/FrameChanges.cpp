#include "core/skinframe/FrameChanges.h"

namespace orvane {
namespace {

// The button drawn in its hot or pressed frame, if any: the icon looks the
// same under the pointer as away from it.
int LitButton(const FrameWindow& window)
{
    return window.hotPart == IconPart ? int(NoTitlePart) : window.hotPart;
}

bool Pressed(const FrameWindow& window) { return window.buttonDown && LitButton(window) != NoTitlePart; }

} // namespace

bool SameTitleBand(const FrameWindow& composed, const FrameWindow& now)
{
    const FrameWindow& a = composed;
    const FrameWindow& b = now;
    // A minimized window's title image is stretched over the window's height.
    const bool sameHeight = a.height == b.height || !b.Minimized();
    return a.width == b.width && sameHeight && a.titleHeight == b.titleHeight &&
           a.origTopHeight == b.origTopHeight && a.titleExtra == b.titleExtra &&
           a.menuBarHeight == b.menuBarHeight && a.hasCaption == b.hasCaption && a.hasBorder == b.hasBorder &&
           a.hasSystemIcon == b.hasSystemIcon && a.hasCloseButton == b.hasCloseButton &&
           a.closeButtonEnabled == b.closeButtonEnabled && a.hasMaximizeButton == b.hasMaximizeButton &&
           a.hasMinimizeButton == b.hasMinimizeButton && a.hasHelpButton == b.hasHelpButton &&
           a.isMDIChild == b.isMDIChild && a.show == b.show && a.isActive == b.isActive &&
           LitButton(a) == LitButton(b) && Pressed(a) == Pressed(b) && a.wideCaption == b.wideCaption &&
           a.ansiCaption == b.ansiCaption;
}

bool SameBorders(const FrameWindow& composed, const FrameWindow& now)
{
    const FrameWindow& a = composed;
    const FrameWindow& b = now;
    return a.width == b.width && a.height == b.height && a.titleHeight == b.titleHeight &&
           a.titleExtra == b.titleExtra && a.menuBarHeight == b.menuBarHeight && a.mdiSideGap == b.mdiSideGap &&
           a.mdiBottomGap == b.mdiBottomGap && a.hasBorder == b.hasBorder &&
           a.hasToolBarUnderMenu == b.hasToolBarUnderMenu && a.Minimized() == b.Minimized() &&
           a.MaximizedMDIChild() == b.MaximizedMDIChild();
}

bool SameRegion(const FrameWindow& built, const FrameWindow& now)
{
    const FrameWindow& a = built;
    const FrameWindow& b = now;
    return a.width == b.width && a.height == b.height && a.titleHeight == b.titleHeight &&
           a.origTopHeight == b.origTopHeight && a.hasCaption == b.hasCaption && a.hasBorder == b.hasBorder &&
           a.isMDIChild == b.isMDIChild && a.show == b.show;
}

} // namespace orvane
