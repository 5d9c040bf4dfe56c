#pragma once

#include <windows.h>

namespace orvane::skin {

class TvelSkinWindow;

// The skin of one child control of a skinned window, made by the engine's
// registries from the control's class. The kinds of control skins derive
// from this; the skinned window owns them and tells them when the look
// changes and when they must let go.
class TvelSkinControl {
public:
    explicit TvelSkinControl(TvelSkinWindow& owningWindow) : skinnedWindow(owningWindow) {}
    virtual ~TvelSkinControl() = default;
    TvelSkinControl(const TvelSkinControl&) = delete;
    TvelSkinControl& operator=(const TvelSkinControl&) = delete;

    // The control's window (null for a windowless control).
    virtual HWND Handle() const = 0;
    // The skin or the look changed: take the new values and repaint.
    virtual void Refresh() {}
    // Lets go of the control: its own look and message handling come back.
    virtual void Detach() {}
    // Puts the control's own window procedure back before anything else, for
    // a window object that goes while its form stays.
    virtual void RestoreWindowProc() {}
    // Whether the control should take its parent's colour while skinned.
    virtual bool WantsParentColor() const { return false; }

    TvelSkinWindow& Window() const { return skinnedWindow; }

private:
    TvelSkinWindow& skinnedWindow;
};

} // namespace orvane::skin
