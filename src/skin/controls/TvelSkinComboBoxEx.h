#pragma once

#include "framework/TWindowSubclass.h"
#include "skin/controls/TvelSkinComboBox.h"

namespace orvane::skin {

// An extended combo box: the combo box inside it drawn as TvelSkinComboBox
// draws one, again after each of its own paints and after the extended box
// draws an item.
class TvelSkinComboBoxEx : public TvelSkinComboBox {
public:
    using TvelSkinComboBox::TvelSkinComboBox;

    void Init() override;
    void Release() override;
    void AfterMessage(framework::TMessage& message) override;

protected:
    HWND ComboWindow() override;

private:
    framework::TWindowSubclass innerSubclass;
};

} // namespace orvane::skin
