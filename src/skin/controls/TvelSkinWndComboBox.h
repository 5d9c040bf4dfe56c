#pragma once

#include "skin/controls/TvelSkinBorderWndControl.h"

namespace orvane::skin {

// A combo box of a system dialog: the flat border and a skinned drop-down
// button over the system's.
class TvelSkinWndComboBox : public TvelSkinBorderWndControl {
public:
    using TvelSkinBorderWndControl::TvelSkinBorderWndControl;

    bool RedrawsAfter(UINT message) const override;
    void Paint() override;

protected:
    bool HasEdge() const override { return true; }
};

} // namespace orvane::skin
