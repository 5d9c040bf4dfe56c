#include "skin/controls/TvelSkinComboBox.h"

#include "framework/TControl.h"
#include "skin/painters/ComboBoxDrawing.h"
#include "skin/painters/FrameDrawing.h"

namespace orvane::skin {

using namespace framework;

bool TvelSkinComboBox::RedrawsAfter(UINT message) const
{
    return SystemRedrawsFrameOn(message) || SystemRedrawsComboBoxOn(message);
}

void TvelSkinComboBox::Paint()
{
    TComboBoxLook look;
    look.enabled = IsEnabled();
    look.innerColor = ColorToRGB(Control().Color());
    PaintComboBox(Look(), ComboWindow(), look);
}

} // namespace orvane::skin
