#include "framework/TListView.h"

#include "framework/PublishedProperties.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultListViewWidth = 250;
constexpr int DefaultListViewHeight = 150;

constexpr TPropertyInfo ListViewProperties[] = {
    PublishedValue<TCustomListView, &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle>(
        L"BorderStyle", TPropertyKind::Enumeration),
};

} // namespace

const TClassInfo TCustomListView::ClassInfo{L"TCustomListView", &TWinControl::ClassInfo, ListViewProperties};
const TClassInfo TListView::ClassInfo{L"TListView", &TCustomListView::ClassInfo, {}};

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner)
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    SetColor(clWindow);
    SetBounds(0, 0, DefaultListViewWidth, DefaultListViewHeight);
}

void TCustomListView::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = WC_LISTVIEWW;
    params.Style |= WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
    if (borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd()
{
    TWinControl::CreateWnd();
    for (int index = 0; index < int(columns.size()); ++index)
        InsertColumn(index);
    for (int index = 0; index < int(rows.size()); ++index)
        InsertRow(index);
}

void TCustomListView::InsertColumn(int index)
{
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(columns[std::size_t(index)].caption.c_str());
    column.cx = columns[std::size_t(index)].width;
    column.iSubItem = index;
    SendMessageW(WindowHandle(), LVM_INSERTCOLUMNW, WPARAM(index), reinterpret_cast<LPARAM>(&column));
}

void TCustomListView::InsertRow(int index)
{
    const std::vector<std::wstring>& texts = rows[std::size_t(index)];
    for (int sub = 0; sub < int(texts.size()); ++sub) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.iSubItem = sub;
        item.pszText = const_cast<wchar_t*>(texts[std::size_t(sub)].c_str());
        SendMessageW(WindowHandle(), sub == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, WPARAM(index),
                     reinterpret_cast<LPARAM>(&item));
    }
}

void TCustomListView::AddColumn(const std::wstring& caption, int width)
{
    columns.push_back(TColumn{caption, width});
    if (WindowHandle())
        InsertColumn(int(columns.size()) - 1);
}

void TCustomListView::AddItem(const std::vector<std::wstring>& texts)
{
    rows.push_back(texts);
    if (WindowHandle())
        InsertRow(int(rows.size()) - 1);
}

HWND TCustomListView::HeaderWindow() const
{
    HWND window = WindowHandle();
    return window ? reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0)) : nullptr;
}

} // namespace orvane::framework
