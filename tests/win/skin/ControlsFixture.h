#pragma once

#include "SkinFixture.h"

#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TRadioButton.h"
#include "framework/TSpeedButton.h"
#include "framework/TTabControl.h"
#include "framework/TTrackBar.h"

#include <functional>
#include <set>

namespace orvane::skin::test {

// The skinned test form with controls of every kind the control skins draw.
class TControlsTestForm : public TSkinTestForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TControlsTestForm(framework::TComponent* owner);

    framework::TButton* Ok = nullptr;       // on the form
    framework::TButton* OnPanel = nullptr;  // inside the skinned panel
    framework::TButton* Untouched = nullptr; // inside the panel with the disabled tag
    framework::TCheckBox* Check = nullptr;
    framework::TRadioButton* Radio = nullptr;
    framework::TSpeedButton* Speed = nullptr;     // a plain speed button
    framework::TSpeedButton* SpeedDown = nullptr; // one that stays down (group 1, all may be up)
    framework::TTabControl* Tabs = nullptr;       // "First", "Second", "Third"
    framework::TTrackBar* Track = nullptr;        // 0 to 10
    int okClicks = 0;
    int speedClicks = 0;
    int tabChanges = 0;
};

class SkinControls : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A point of a control's client area on the screen.
    static POINT OnScreen(const framework::TControl& control, POINT client);
    static POINT CentreOf(const framework::TControl& control);

    TControlsTestForm* form = nullptr;
};

} // namespace orvane::skin::test

namespace orvane::skin::test {

// The pixels of a window's client area as the screen shows them, read in
// one copy after everything pending is painted.
class TClientPixels {
public:
    explicit TClientPixels(HWND window);
    int Width() const { return width; }
    int Height() const { return height; }
    COLORREF At(int x, int y) const;
    // How many pixels of the rectangle have the colour.
    int Count(COLORREF color, RECT area) const;
    int Count(COLORREF color) const { return Count(color, RECT{0, 0, width, height}); }
    // How many pixels of the rectangle have a colour of the set.
    int Count(const std::set<COLORREF>& colors, RECT area) const;

private:
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
};

// The client pixels of a window that another thread paints, once `shown`
// holds for them: what that thread paints reaches the screen a moment after
// it has painted, so the copy is read again (WaitUntil) until it shows what
// the test waits for, or the patience is over (then the last copy is
// returned, for the test's own checks to report).
TClientPixels PixelsOnceShown(HWND window, const std::function<bool(const TClientPixels&)>& shown);

// The colours of the skin's tab frames that only the selected tab's frame
// has, and those only the other tabs' frame has.
struct TTabFrameColours {
    explicit TTabFrameColours(const TvelSkinEngine& engine);
    std::set<COLORREF> activeOnly;
    std::set<COLORREF> inactiveOnly;
};

// A key going down or up, as the keyboard gives it.
void Key(WORD virtualKey, bool up);

} // namespace orvane::skin::test
