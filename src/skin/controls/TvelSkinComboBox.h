#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A drop-down combo box: its frame flat in the skin's border colour with the
// control's colour inside, its button in the skin's control colours, and a
// frame around the list while it is dropped down. A simple combo box (the
// list always shown) keeps its own look.
class TvelSkinComboBox : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    bool RedrawsAfter(UINT message) const override;
    void Paint() override;

protected:
    // The window of the combo box that is drawn on.
    virtual HWND ComboWindow() { return Handle(); }
};

} // namespace orvane::skin
