#include "skin/controls/TvelSkinWndComboBox.h"

#include "skin/painters/ComboBoxDrawing.h"

namespace orvane::skin {

using namespace framework;

void TvelSkinWndComboBox::AfterMessage(TMessage& message)
{
    TvelSkinBorderWndControl::AfterMessage(message);
    switch (message.Msg) {
    case WM_SIZE:
    case WM_MOUSEMOVE:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
        Repaint();
        break;
    default:
        break;
    }
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
