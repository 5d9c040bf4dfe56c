#pragma once

#include "skin/controls/TvelSkinBorderWinControl.h"
#include "skin/controls/TvelSkinInternalComboButton.h"

#include <memory>

namespace orvane::skin {

// A control with a drop-down button of the system's making (a date picker):
// besides the sunken border, a skinned button is laid into the control at
// its right edge, over the system's.
class TvelSkinExtComboboxLikeControl : public TvelSkinBorderWinControl {
public:
    using TvelSkinBorderWinControl::TvelSkinBorderWinControl;
    ~TvelSkinExtComboboxLikeControl() override;

    void Init() override;
    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
    void SkinChanged() override;
    void Release() override;

    const TvelSkinInternalComboButton* ComboButton() const
    {
        return comboButton && comboButton->Exists() ? comboButton.get() : nullptr;
    }

protected:
    // Whether the control shows the button at all.
    virtual bool ShowsComboButton() const { return true; }
    // Puts the button at the right edge and shows it, or hides it.
    void PlaceComboButton();

    std::unique_ptr<TvelSkinInternalComboButton> comboButton;
};

} // namespace orvane::skin
