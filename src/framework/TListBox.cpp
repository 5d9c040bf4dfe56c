#include "framework/TListBox.h"

#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int DefaultListWidth = 121;
constexpr int DefaultListHeight = 97;

constexpr TPropertyInfo ListBoxProperties[] = {
    PublishedValue<TCustomListBox, &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle>(
        L"BorderStyle", TPropertyKind::Enumeration),
};

} // namespace

const TClassInfo TCustomListControl::ClassInfo{L"TCustomListControl", &TWinControl::ClassInfo, {}};
const TClassInfo TCustomListBox::ClassInfo{L"TCustomListBox", &TCustomListControl::ClassInfo, ListBoxProperties};
const TClassInfo TListBox::ClassInfo{L"TListBox", &TCustomListBox::ClassInfo, {}};

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomListControl(owner)
{
    SetColor(clWindow);
    SetBounds(0, 0, DefaultListWidth, DefaultListHeight);
}

void TCustomListBox::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    params.SystemClass = L"LISTBOX";
    params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
    if (borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd()
{
    TCustomListControl::CreateWnd();
    for (const std::wstring& item : items)
        SendMessageW(WindowHandle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(WindowHandle(), LB_SETCURSEL, WPARAM(itemIndex), 0);
}

void TCustomListBox::AddItem(const std::wstring& text)
{
    items.push_back(text);
    if (HWND window = WindowHandle())
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int TCustomListBox::ItemIndex() const
{
    if (HWND window = WindowHandle())
        return int(SendMessageW(window, LB_GETCURSEL, 0, 0));
    return itemIndex;
}

void TCustomListBox::SetItemIndex(int index)
{
    itemIndex = index;
    if (HWND window = WindowHandle())
        SendMessageW(window, LB_SETCURSEL, WPARAM(index), 0);
}

} // namespace orvane::framework
