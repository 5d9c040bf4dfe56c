#include "skinview/TScrollingControlsPanel.h"

#include "framework/TButton.h"
#include "framework/TComboBox.h"
#include "framework/TComboBoxEx.h"
#include "framework/TDateTimePicker.h"
#include "framework/TEdit.h"
#include "framework/THotKey.h"
#include "framework/TListBox.h"
#include "framework/TListView.h"
#include "framework/TMemo.h"
#include "framework/TScrollBar.h"
#include "framework/TScrollBox.h"
#include "framework/TStringGrid.h"
#include "framework/TTreeView.h"

#include <algorithm>
#include <string>

namespace orvane::skinview {

using namespace framework;

namespace {

constexpr int Gap = 8;
constexpr int RowHeight = 21;
constexpr int BarThickness = 17;
constexpr int ListHeight = 80;
constexpr int MemoFirstShownLine = 12;

std::wstring Numbered(const wchar_t* text, int number) { return text + std::to_wstring(number); }

} // namespace

const TClassInfo TScrollingControlsPanel::ClassInfo{L"TScrollingControlsPanel", &TPanel::ClassInfo, {}};

TScrollingControlsPanel* TScrollingControlsPanel::CreateOn(TComponent& owner, TWinControl& parent)
{
    auto* panel = Create<TScrollingControlsPanel>(&owner);
    panel->SetParent(&parent);
    panel->SetAlign(TAlign::alClient);
    return panel;
}

TScrollingControlsPanel::TScrollingControlsPanel(TComponent* owner) : TPanel(owner)
{
    SetBounds(0, 0, PanelWidth, PanelHeight);
    SetCaption(L"");
    SetBevelOuter(TPanelBevel::bvNone);

    // Rows from the top, each filled from the left.
    int x = Gap, y = Gap, rowHeight = 0;
    const auto place = [this, &x, &y, &rowHeight](TControl* control, int width, int height) {
        control->SetParent(this);
        control->SetBounds(x, y, width, height);
        x += width + Gap;
        rowHeight = std::max(rowHeight, height);
    };
    const auto nextRow = [&x, &y, &rowHeight] {
        x = Gap;
        y += rowHeight + Gap;
        rowHeight = 0;
    };

    auto* edit = Create<TEdit>(this);
    edit->SetText(L"An edit box");
    place(edit, 96, RowHeight);
    auto* disabledEdit = Create<TEdit>(this);
    disabledEdit->SetText(L"Disabled");
    disabledEdit->SetEnabled(false);
    place(disabledEdit, 64, RowHeight);
    auto* combo = Create<TComboBox>(this);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (int item = 1; item <= 12; ++item)
        combo->AddItem(Numbered(L"Choice ", item));
    combo->SetItemIndex(0);
    place(combo, 128, RowHeight);
    nextRow();

    auto* disabledCombo = Create<TComboBox>(this);
    disabledCombo->AddItem(L"Disabled");
    disabledCombo->SetItemIndex(0);
    disabledCombo->SetEnabled(false);
    place(disabledCombo, 90, RowHeight);
    auto* comboEx = Create<TComboBoxEx>(this);
    comboEx->SetStyle(TComboBoxStyle::csDropDownList);
    comboEx->AddItem(L"Extended");
    comboEx->SetItemIndex(0);
    place(comboEx, 90, RowHeight);
    auto* date = Create<TDateTimePicker>(this);
    place(date, 108, RowHeight);
    nextRow();

    auto* time = Create<TDateTimePicker>(this);
    time->SetKind(TDateTimeKind::dtkTime);
    place(time, 90, RowHeight);
    auto* steppedDate = Create<TDateTimePicker>(this);
    steppedDate->SetDateMode(TDTDateMode::dmUpDown);
    place(steppedDate, 108, RowHeight);
    auto* hotKey = Create<THotKey>(this);
    hotKey->SetHotKey(MAKEWORD('K', HOTKEYF_CONTROL));
    place(hotKey, 90, RowHeight);
    nextRow();

    auto* horizontalBar = Create<TScrollBar>(this);
    horizontalBar->SetParams(30, 0, 100, 20);
    place(horizontalBar, 180, BarThickness);
    auto* disabledBar = Create<TScrollBar>(this);
    disabledBar->SetParams(0, 0, 100, 20);
    disabledBar->SetEnabled(false);
    place(disabledBar, 116, BarThickness);
    nextRow();

    auto* list = Create<TListBox>(this);
    for (int item = 1; item <= 30; ++item)
        list->AddItem(Numbered(L"List item ", item));
    list->SetItemIndex(2);
    place(list, 96, ListHeight);
    ScrolledMemo = Create<TMemo>(this);
    ScrolledMemo->SetScrollBars(TScrollStyle::ssBoth);
    ScrolledMemo->SetWordWrap(false);
    std::vector<std::wstring> lines;
    for (int line = 1; line <= 40; ++line)
        lines.push_back(Numbered(L"A memo line too long for its box, number ", line));
    ScrolledMemo->SetLines(lines);
    place(ScrolledMemo, 150, ListHeight);
    auto* verticalBar = Create<TScrollBar>(this);
    verticalBar->SetKind(TScrollBarKind::sbVertical);
    verticalBar->SetParams(60, 0, 100, 10);
    place(verticalBar, BarThickness, ListHeight);
    nextRow();

    auto* tree = Create<TTreeView>(this);
    for (int root = 1; root <= 4; ++root) {
        const int node = tree->AddNode(-1, Numbered(L"Node ", root));
        for (int leaf = 1; leaf <= 3; ++leaf)
            tree->AddNode(node, Numbered(L"Leaf ", leaf));
    }
    tree->FullExpand();
    place(tree, 110, ListHeight);
    auto* listView = Create<TListView>(this);
    listView->AddColumn(L"Name", 70);
    listView->AddColumn(L"Size", 56);
    listView->AddColumn(L"Kind", 64);
    for (int row = 1; row <= 12; ++row)
        listView->AddItem({Numbered(L"File ", row), std::to_wstring(row * 3) + L" KB", L"Puzzle"});
    place(listView, 186, ListHeight);
    nextRow();

    auto* grid = Create<TStringGrid>(this);
    grid->SetSize(8, 20);
    for (int col = 1; col < 8; ++col)
        grid->SetCell(col, 0, std::wstring(1, wchar_t(L'A' + col - 1)));
    for (int row = 1; row < 20; ++row) {
        grid->SetCell(0, row, std::to_wstring(row));
        grid->SetCell(1, row, std::to_wstring(row * row));
    }
    place(grid, 180, ListHeight);

    // A scroll box with buttons beyond its edges.
    ScrollBox = Create<TScrollBox>(this);
    place(ScrollBox, 116, ListHeight);
    for (int index = 0; index < 6; ++index) {
        auto* button = Create<TButton>(this);
        button->SetParent(ScrollBox);
        button->SetBounds(8 + index * 70, 8 + index * 20, 64, 24);
        button->SetCaption(Numbered(L"Button ", index + 1));
    }
    ScrollBox->SetRange(8 + 6 * 70, 8 + 5 * 20 + 32);
}

void TScrollingControlsPanel::CreateWnd()
{
    TPanel::CreateWnd();
    // Shown scrolled, so that the thumb is away from the track's start.
    if (ScrolledMemo && ScrolledMemo->WindowHandle())
        SendMessageW(ScrolledMemo->WindowHandle(), EM_LINESCROLL, 8, MemoFirstShownLine);
}

} // namespace orvane::skinview
