#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::framework {
class TButton;
}

namespace orvane::skin {

// A push button drawn from the skin's three button frames (normal, hot,
// pressed) with its picture and caption, composed off screen and shown in
// one copy. The button's own handler never sees the mouse presses and the
// Return and Space key presses, so the system button neither draws its
// pressed look nor clicks: this control skin clicks it, on a press and
// release inside it, on Space going up and on the Return character.
class TvelSkinButton : public TvelSkinControlFramework {
public:
    TvelSkinButton(framework::TControl& control, TSkinControlHost& window);

    bool BeforeMessage(framework::TMessage& message) override;
    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
    void MouseDown() override;
    void MouseUp() override;
    void KeyDown(WPARAM key) override;
    void KeyUp(WPARAM key) override;
    void Init() override;

private:
    void ClickButton();

    framework::TButton& button;
    bool mouseArmed = false;
    bool spaceArmed = false;
    // The press that is under way started on a form that was not active:
    // it only activates the form.
    bool activatingPress = false;
};

} // namespace orvane::skin
