#include "skin/controls/TvelSkinComboBox.h"

#include "framework/TControl.h"
#include "skin/painters/ComboBoxDrawing.h"

namespace orvane::skin {

using namespace framework;

void TvelSkinComboBox::AfterMessage(TMessage& message)
{
    TvelSkinControlFramework::AfterMessage(message);
    switch (message.Msg) {
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SIZE:
    case WM_MOUSEMOVE:
    case WM_CTLCOLORLISTBOX:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
    case CN_COMMAND:
        Repaint();
        break;
    default:
        break;
    }
}

void TvelSkinComboBox::Paint()
{
    HWND combo = ComboWindow();
    if (!combo || (GetWindowLongW(combo, GWL_STYLE) & 3) == CBS_SIMPLE)
        return;
    TComboBoxLook look;
    look.enabled = IsEnabled();
    look.innerColor = ColorToRGB(Control().Color());
    PaintComboBox(Look(), combo, look);
}

} // namespace orvane::skin
