#include "framework/TTreeView.h"

#include "framework/PublishedProperties.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultTreeWidth = 121;
constexpr int DefaultTreeHeight = 97;

constexpr TPropertyInfo TreeViewProperties[] = {
    PublishedValue<TCustomTreeView, &TCustomTreeView::BorderStyle, &TCustomTreeView::SetBorderStyle>(
        L"BorderStyle", TPropertyKind::Enumeration),
};

} // namespace

const TClassInfo TCustomTreeView::ClassInfo{L"TCustomTreeView", &TWinControl::ClassInfo, TreeViewProperties};
const TClassInfo TTreeView::ClassInfo{L"TTreeView", &TCustomTreeView::ClassInfo, {}};

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner)
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    SetColor(clWindow);
    SetBounds(0, 0, DefaultTreeWidth, DefaultTreeHeight);
}

void TCustomTreeView::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = WC_TREEVIEWW;
    params.Style |= WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
    if (borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd()
{
    TWinControl::CreateWnd();
    for (TNode& node : nodes)
        InsertNode(node);
    if (expanded)
        FullExpand();
}

void TCustomTreeView::InsertNode(TNode& node)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = node.parent >= 0 ? nodes[std::size_t(node.parent)].item : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(node.text.c_str());
    node.item = reinterpret_cast<HTREEITEM>(
        SendMessageW(WindowHandle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

int TCustomTreeView::AddNode(int parent, const std::wstring& text)
{
    nodes.push_back(TNode{parent < int(nodes.size()) ? parent : -1, text});
    if (WindowHandle())
        InsertNode(nodes.back());
    return int(nodes.size()) - 1;
}

void TCustomTreeView::FullExpand()
{
    expanded = true;
    if (HWND window = WindowHandle())
        for (const TNode& node : nodes)
            SendMessageW(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node.item));
}

} // namespace orvane::framework
