#include "skin/controls/TvelSkinWndComboBox.h"

#include "skin/painters/ComboBoxDrawing.h"

namespace orvane::skin {

using namespace framework;

bool TvelSkinWndComboBox::RedrawsAfter(UINT message) const
{
    return TvelSkinBorderWndControl::RedrawsAfter(message) || SystemRedrawsComboBoxOn(message);
}

void TvelSkinWndComboBox::Paint()
{
    PaintBorder();
    TComboBoxLook look;
    look.innerFrames = false;
    look.listFrame = false;
    look.enabled = true;
    PaintComboBox(Look(), Handle(), look);
}

} // namespace orvane::skin
