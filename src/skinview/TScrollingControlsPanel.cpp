#include "skinview/TScrollingControlsPanel.h"

#include "framework/TButton.h"
#include "framework/TComboBox.h"
#include "framework/TComboBoxEx.h"
#include "framework/TDateTimePicker.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/THotKey.h"
#include "framework/TLabel.h"
#include "framework/TListBox.h"
#include "framework/TListView.h"
#include "framework/TMemo.h"
#include "framework/TScrollBar.h"
#include "framework/TScrollBox.h"
#include "framework/TStringGrid.h"
#include "framework/TTreeView.h"

#include <string>

namespace orvane::skinview {

using namespace framework;

namespace {

constexpr int Gap = 8;
constexpr int RowHeight = 21;
constexpr int ListHeight = 96;
constexpr int MemoFirstShownLine = 12;

std::wstring Numbered(const wchar_t* text, int number) { return text + std::to_wstring(number); }

} // namespace

const TClassInfo TScrollingControlsPanel::ClassInfo{L"TScrollingControlsPanel", &TPanel::ClassInfo, {}};

TScrollingControlsPanel* TScrollingControlsPanel::CreateOn(TComponent& owner, TWinControl& parent)
{
    auto* panel = Create<TScrollingControlsPanel>(&owner);
    panel->SetParent(&parent);
    panel->SetAlign(TAlign::alBottom);
    // The page comes below what the form shows already: the form grows by it.
    if (auto* form = As<TCustomForm>(&owner))
        form->SetClientHeight(form->ClientHeight() + PanelHeight);
    return panel;
}

TScrollingControlsPanel::TScrollingControlsPanel(TComponent* owner) : TPanel(owner)
{
    SetBounds(0, 0, 624, PanelHeight);
    SetCaption(L"");

    // First row: single-line boxes.
    int x = Gap;
    const auto place = [this, &x](TControl* control, int width, int y, int height) {
        control->SetParent(this);
        control->SetBounds(x, y, width, height);
        x += width + Gap;
    };
    auto* edit = Create<TEdit>(this);
    edit->SetText(L"An edit box");
    place(edit, 100, Gap, RowHeight);
    auto* disabledEdit = Create<TEdit>(this);
    disabledEdit->SetText(L"Disabled");
    disabledEdit->SetEnabled(false);
    place(disabledEdit, 70, Gap, RowHeight);

    auto* combo = Create<TComboBox>(this);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (int item = 1; item <= 12; ++item)
        combo->AddItem(Numbered(L"Choice ", item));
    combo->SetItemIndex(0);
    place(combo, 96, Gap, RowHeight);
    auto* disabledCombo = Create<TComboBox>(this);
    disabledCombo->AddItem(L"Disabled");
    disabledCombo->SetItemIndex(0);
    disabledCombo->SetEnabled(false);
    place(disabledCombo, 80, Gap, RowHeight);
    auto* comboEx = Create<TComboBoxEx>(this);
    comboEx->SetStyle(TComboBoxStyle::csDropDownList);
    comboEx->AddItem(L"Extended");
    comboEx->SetItemIndex(0);
    place(comboEx, 80, Gap, RowHeight);

    auto* date = Create<TDateTimePicker>(this);
    place(date, 100, Gap, RowHeight);

    // Second row: the time, a stepped date, a hot key.
    x = Gap;
    const int second = Gap + RowHeight + Gap;
    auto* time = Create<TDateTimePicker>(this);
    time->SetKind(TDateTimeKind::dtkTime);
    place(time, 90, second, RowHeight);
    auto* steppedDate = Create<TDateTimePicker>(this);
    steppedDate->SetDateMode(TDTDateMode::dmUpDown);
    place(steppedDate, 100, second, RowHeight);
    auto* hotKey = Create<THotKey>(this);
    hotKey->SetHotKey(MAKEWORD('K', HOTKEYF_CONTROL));
    place(hotKey, 90, second, RowHeight);
    auto* horizontalBar = Create<TScrollBar>(this);
    horizontalBar->SetParams(30, 0, 100, 20);
    place(horizontalBar, 150, second + 2, 17);
    auto* disabledBar = Create<TScrollBar>(this);
    disabledBar->SetParams(0, 0, 100, 20);
    disabledBar->SetEnabled(false);
    place(disabledBar, 100, second + 2, 17);

    // Third row: the lists.
    x = Gap;
    const int third = second + RowHeight + Gap;
    auto* list = Create<TListBox>(this);
    for (int item = 1; item <= 30; ++item)
        list->AddItem(Numbered(L"List item ", item));
    list->SetItemIndex(2);
    place(list, 100, third, ListHeight);

    ScrolledMemo = Create<TMemo>(this);
    ScrolledMemo->SetScrollBars(TScrollStyle::ssBoth);
    ScrolledMemo->SetWordWrap(false);
    std::vector<std::wstring> lines;
    for (int line = 1; line <= 40; ++line)
        lines.push_back(Numbered(L"A memo line too long for its box, number ", line));
    ScrolledMemo->SetLines(lines);
    place(ScrolledMemo, 130, third, ListHeight);

    auto* tree = Create<TTreeView>(this);
    for (int root = 1; root <= 4; ++root) {
        const int node = tree->AddNode(-1, Numbered(L"Node ", root));
        for (int leaf = 1; leaf <= 3; ++leaf)
            tree->AddNode(node, Numbered(L"Leaf ", leaf));
    }
    tree->FullExpand();
    place(tree, 110, third, ListHeight);

    auto* listView = Create<TListView>(this);
    listView->AddColumn(L"Name", 80);
    listView->AddColumn(L"Size", 60);
    listView->AddColumn(L"Kind", 70);
    for (int row = 1; row <= 12; ++row)
        listView->AddItem({Numbered(L"File ", row), std::to_wstring(row * 3) + L" KB", L"Puzzle"});
    place(listView, 190, third, ListHeight);

    auto* verticalBar = Create<TScrollBar>(this);
    verticalBar->SetKind(TScrollBarKind::sbVertical);
    verticalBar->SetParams(60, 0, 100, 10);
    place(verticalBar, 17, third, ListHeight);

    // Fourth row: a grid and a scroll box with buttons beyond its edges.
    x = Gap;
    const int fourth = third + ListHeight + Gap;
    const int lastHeight = PanelHeight - fourth - Gap;
    auto* grid = Create<TStringGrid>(this);
    grid->SetSize(8, 20);
    for (int col = 1; col < 8; ++col)
        grid->SetCell(col, 0, std::wstring(1, wchar_t(L'A' + col - 1)));
    for (int row = 1; row < 20; ++row) {
        grid->SetCell(0, row, std::to_wstring(row));
        grid->SetCell(1, row, std::to_wstring(row * row));
    }
    place(grid, 260, fourth, lastHeight);

    ScrollBox = Create<TScrollBox>(this);
    place(ScrollBox, 200, fourth, lastHeight);
    for (int index = 0; index < 6; ++index) {
        auto* button = Create<TButton>(this);
        button->SetParent(ScrollBox);
        button->SetBounds(8 + index * 70, 8 + index * 20, 64, 24);
        button->SetCaption(Numbered(L"Button ", index + 1));
    }
    ScrollBox->SetRange(8 + 6 * 70, 8 + 5 * 20 + 32);

    auto* note = Create<TLabel>(this);
    note->SetCaption(L"Scrolled, with items");
    place(note, 140, fourth, 16);
}

void TScrollingControlsPanel::CreateWnd()
{
    TPanel::CreateWnd();
    // Shown scrolled, so that the thumb is away from the track's start.
    if (ScrolledMemo && ScrolledMemo->WindowHandle())
        SendMessageW(ScrolledMemo->WindowHandle(), EM_LINESCROLL, 8, MemoFirstShownLine);
}

} // namespace orvane::skinview
