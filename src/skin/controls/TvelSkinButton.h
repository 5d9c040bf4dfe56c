#pragma once

#include "core/skincontrols/PushButtonClicks.h"
#include "skin/TvelSkinControlFramework.h"

namespace orvane::framework {
class TBitmap;
class TButton;
} // namespace orvane::framework

namespace orvane::skin {

// A push button drawn from the skin's three button frames (normal, hot,
// pressed) with its picture and caption, composed off screen and shown in
// one copy. The button's own handler never sees the mouse presses and the
// Return and Space key presses, so the system button neither draws its
// pressed look nor clicks: this control skin clicks it, on a press and
// release inside it, on Space going up and on the Return character. The face
// and the clicks are those of every skinned push button (ButtonPainting,
// PushButtonClicks); the picture, the caption in the control's font and the
// click through the control are this branch's own.
class TvelSkinButton : public TvelSkinControlFramework {
public:
    TvelSkinButton(framework::TControl& control, TSkinControlHost& window);

    bool BeforeMessage(framework::TMessage& message) override;
    void AfterMessage(framework::TMessage& message) override;
    bool RedrawsAfter(UINT message) const override;
    void Paint() override;
    void MouseDown() override;
    void MouseUp() override;
    void KeyDown(WPARAM key) override;
    void KeyUp(WPARAM key) override;
    void Init() override;

private:
    void ClickButton();
    // Draws the glyph, or else the image of the image list, laid out with
    // the caption; returns the caption's rectangle.
    RECT PaintPicture(framework::TBitmap& image, const std::wstring& caption);

    framework::TButton& button;
    PushButtonClicks clicks;
};

} // namespace orvane::skin
