#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::framework {
class TBitmap;
class TSpeedButton;
} // namespace orvane::framework

namespace orvane::skin {

// A speed button in the flat look of the skin's tool-bar buttons: framed in
// the tool bar's border colour, filled with its down colour while pressed or
// down and with its hot colour under the pointer, then glyph and caption. A
// speed button tagged OwnPaintTag gets only a plain background and paints
// itself on it.
class TvelSkinSpeedButton : public TvelSkinControlFramework {
public:
    static constexpr int OwnPaintTag = 999999;

    TvelSkinSpeedButton(framework::TControl& control, TSkinControlHost& window);

    bool BeforeMessage(framework::TMessage& message) override;
    void Paint() override;

private:
    bool PaintsItself() const;
    // The whole picture of the button, off screen.
    void Compose(framework::TBitmap& image);

    framework::TSpeedButton& button;
};

} // namespace orvane::skin
