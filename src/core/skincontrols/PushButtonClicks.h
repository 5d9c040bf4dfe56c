#pragma once

namespace orvane {

// When a skinned push button clicks. The skin draws the pressed look itself,
// so the system button never sees the presses that would make it click: the
// button's control skin decides from what the player did.
//
// - A left press arms the button, unless it only activates the button's
//   window; the release clicks when armed. The release reaches the button
//   only while the pointer is over it, so a press released elsewhere does
//   not click, and one that left and came back does.
// - The second press of a double click clicks at once; the release that
//   follows does not click again.
// - Space clicks when it goes up, after a key went down on the button.
class PushButtonClicks {
public:
    // The pointer is about to activate the button's window for a press
    // (the window was not active): that press only activates it.
    void Activating(bool windowInactive) { activatingPress = windowInactive; }
    // The left button went down over the button; `windowActive`: the
    // button's window is active, so that the press may click.
    void Press(bool windowActive);
    // The left button came up over the button: whether that clicks.
    bool Release();
    // The second press of a double click: it clicks.
    bool DoubleClick();
    // A key went down on the button.
    void KeyDown() { keyArmed = true; }
    // A key went up on the button: whether that clicks. `space`: the key is
    // Space; `ready`: the button can click now (it has the focus and is
    // enabled).
    bool KeyUp(bool space, bool ready);
    // Forgets every press under way.
    void Reset();

    bool Armed() const { return pressArmed; }

private:
    bool pressArmed = false;
    bool keyArmed = false;
    bool activatingPress = false;
};

} // namespace orvane
