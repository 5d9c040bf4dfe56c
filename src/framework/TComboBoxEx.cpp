#include "framework/TComboBoxEx.h"

#include <commctrl.h>

namespace orvane::framework {

const TClassInfo TCustomComboBoxEx::ClassInfo{L"TCustomComboBoxEx", &TCustomComboBox::ClassInfo, {}};
const TClassInfo TComboBoxEx::ClassInfo{L"TComboBoxEx", &TCustomComboBoxEx::ClassInfo, {}};

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner) : TCustomComboBox(owner)
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_USEREX_CLASSES};
    InitCommonControlsEx(&classes);
}

const wchar_t* TCustomComboBoxEx::SystemClassName() const { return WC_COMBOBOXEXW; }

void TCustomComboBoxEx::InsertItem(const std::wstring& text)
{
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = -1;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(WindowHandle(), CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

HWND TCustomComboBoxEx::ComboWindow() const
{
    HWND window = WindowHandle();
    return window ? reinterpret_cast<HWND>(SendMessageW(window, CBEM_GETCOMBOCONTROL, 0, 0)) : nullptr;
}

} // namespace orvane::framework
