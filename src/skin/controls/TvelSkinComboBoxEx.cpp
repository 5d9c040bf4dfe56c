#include "skin/controls/TvelSkinComboBoxEx.h"

#include <commctrl.h>

namespace orvane::skin {

using namespace framework;

HWND TvelSkinComboBoxEx::ComboWindow()
{
    HWND window = Handle();
    return window ? reinterpret_cast<HWND>(SendMessageW(window, CBEM_GETCOMBOCONTROL, 0, 0)) : nullptr;
}

void TvelSkinComboBoxEx::Init()
{
    TvelSkinComboBox::Init();
    GetHandle();
    if (HWND inner = ComboWindow())
        innerSubclass = TWindowSubclass(inner, [this](TMessage& message, const TMessageLayers::TNext& next) {
            next(message);
            if (!released && (message.Msg == WM_PAINT || message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS))
                Repaint();
        });
}

void TvelSkinComboBoxEx::Release()
{
    innerSubclass.Remove();
    TvelSkinComboBox::Release();
}

void TvelSkinComboBoxEx::AfterMessage(TMessage& message)
{
    TvelSkinComboBox::AfterMessage(message);
    if (message.Msg == WM_DRAWITEM)
        Repaint();
}

} // namespace orvane::skin
