#include "framework/TComboBox.h"

namespace orvane::framework {

namespace {

constexpr int DefaultComboWidth = 145;
constexpr int DefaultComboHeight = 21;
constexpr int ListHeight = 160;

} // namespace

const TClassInfo TCustomComboBox::ClassInfo{L"TCustomComboBox", &TCustomListControl::ClassInfo, {}};
const TClassInfo TComboBox::ClassInfo{L"TComboBox", &TCustomComboBox::ClassInfo, {}};

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomListControl(owner)
{
    SetColor(clWindow);
    SetBounds(0, 0, DefaultComboWidth, DefaultComboHeight);
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    params.SystemClass = SystemClassName();
    params.Style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
    switch (style) {
    case TComboBoxStyle::csDropDown:
        params.Style |= CBS_DROPDOWN;
        break;
    case TComboBoxStyle::csSimple:
        params.Style |= CBS_SIMPLE;
        break;
    case TComboBoxStyle::csDropDownList:
        params.Style |= CBS_DROPDOWNLIST;
        break;
    }
    if (style != TComboBoxStyle::csSimple)
        params.Height += ListHeight;
}

void TCustomComboBox::CreateWnd()
{
    TCustomListControl::CreateWnd();
    for (const std::wstring& item : items)
        InsertItem(item);
    SendMessageW(ItemsWindow(), CB_SETCURSEL, WPARAM(itemIndex), 0);
}

void TCustomComboBox::ApplyBounds()
{
    if (HWND window = WindowHandle())
        SetWindowPos(window, nullptr, Left(), Top(), Width(),
                     Height() + (style == TComboBoxStyle::csSimple ? 0 : ListHeight), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::AddItem(const std::wstring& text)
{
    items.push_back(text);
    if (WindowHandle())
        InsertItem(text);
}

void TCustomComboBox::InsertItem(const std::wstring& text)
{
    SendMessageW(ItemsWindow(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int TCustomComboBox::ItemIndex() const
{
    if (WindowHandle())
        return int(SendMessageW(ItemsWindow(), CB_GETCURSEL, 0, 0));
    return itemIndex;
}

void TCustomComboBox::SetItemIndex(int index)
{
    itemIndex = index;
    if (WindowHandle())
        SendMessageW(ItemsWindow(), CB_SETCURSEL, WPARAM(index), 0);
}

bool TCustomComboBox::DroppedDown() const
{
    return WindowHandle() && SendMessageW(ItemsWindow(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

} // namespace orvane::framework
