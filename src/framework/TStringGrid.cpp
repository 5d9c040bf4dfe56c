#include "framework/TStringGrid.h"

#include "framework/GdiOwners.h"
#include "framework/PublishedProperties.h"
#include "framework/ScrollRequests.h"

#include <algorithm>

namespace orvane::framework {

namespace {

constexpr int DefaultGridWidth = 320;
constexpr int DefaultGridHeight = 120;
constexpr int CellTextIndent = 2;

constexpr TPropertyInfo GridProperties[] = {
    PublishedValue<TCustomGrid, &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle>(L"BorderStyle",
                                                                                       TPropertyKind::Enumeration),
    PublishedValue<TCustomGrid, &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor>(L"FixedColor",
                                                                                     TPropertyKind::Color),
};

} // namespace

const TClassInfo TCustomGrid::ClassInfo{L"TCustomGrid", &TCustomControl::ClassInfo, GridProperties};
const TClassInfo TStringGrid::ClassInfo{L"TStringGrid", &TCustomGrid::ClassInfo, {}};

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner)
{
    SetColor(clWindow);
    SetBounds(0, 0, DefaultGridWidth, DefaultGridHeight);
}

void TCustomGrid::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style |= WS_TABSTOP | WS_VSCROLL | WS_HSCROLL;
    if (borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

void TCustomGrid::SetSize(int columns, int rows)
{
    colCount = std::max(fixedCols + 1, columns);
    rowCount = std::max(fixedRows + 1, rows);
    topRow = std::min(topRow, rowCount - 1);
    leftCol = std::min(leftCol, colCount - 1);
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value)
{
    fixedColor = value;
    Invalidate();
}

int TCustomGrid::VisibleRows() const
{
    RECT client{};
    if (HWND window = WindowHandle())
        GetClientRect(window, &client);
    return std::max(1, (int(client.bottom) - fixedRows * rowHeight) / rowHeight);
}

int TCustomGrid::VisibleCols() const
{
    RECT client{};
    if (HWND window = WindowHandle())
        GetClientRect(window, &client);
    return std::max(1, (int(client.right) - fixedCols * colWidth) / colWidth);
}

void TCustomGrid::UpdateScrollBars()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    // The bars take room from each other: settle the ranges twice.
    for (int pass = 0; pass < 2; ++pass) {
        SCROLLINFO vertical{sizeof(vertical), SIF_ALL, 0, rowCount - fixedRows - 1, UINT(VisibleRows()),
                            topRow - fixedRows, 0};
        SetScrollInfo(window, SB_VERT, &vertical, TRUE);
        SCROLLINFO horizontal{sizeof(horizontal), SIF_ALL, 0, colCount - fixedCols - 1, UINT(VisibleCols()),
                              leftCol - fixedCols, 0};
        SetScrollInfo(window, SB_HORZ, &horizontal, TRUE);
    }
}

void TCustomGrid::ScrollTo(int newLeftCol, int newTopRow)
{
    newTopRow = std::clamp(newTopRow, fixedRows, std::max(fixedRows, rowCount - VisibleRows()));
    newLeftCol = std::clamp(newLeftCol, fixedCols, std::max(fixedCols, colCount - VisibleCols()));
    if (newTopRow == topRow && newLeftCol == leftCol)
        return;
    topRow = newTopRow;
    leftCol = newLeftCol;
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::Scroll(int bar, int request)
{
    const std::optional<int> position = RequestedScrollPosition(WindowHandle(), bar, request, 1);
    if (!position)
        return;
    if (bar == SB_VERT)
        ScrollTo(leftCol, fixedRows + *position);
    else
        ScrollTo(fixedCols + *position, topRow);
}

void TCustomGrid::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(message.WParam));
        message.Result = 0;
        return;
    case WM_SIZE:
        TCustomControl::WndProc(message);
        UpdateScrollBars();
        return;
    default:
        TCustomControl::WndProc(message);
        return;
    }
}

void TCustomGrid::Paint()
{
    HDC dc = Canvas().Handle();
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    const TBrushHandle cellBrush(CreateSolidBrush(ColorToRGB(Color())));
    const TBrushHandle fixedBrush(CreateSolidBrush(ColorToRGB(fixedColor)));
    const TBrushHandle lineBrush(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    FillRect(dc, &client, cellBrush.Get());
    TSelectedObject font;
    font.Select(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));

    const auto drawCell = [&](int col, int row, int x, int y) {
        RECT cell{x, y, x + colWidth, y + rowHeight};
        const bool fixed = col < fixedCols || row < fixedRows;
        FillRect(dc, &cell, fixed ? fixedBrush.Get() : cellBrush.Get());
        RECT right{cell.right - 1, cell.top, cell.right, cell.bottom};
        RECT bottom{cell.left, cell.bottom - 1, cell.right, cell.bottom};
        FillRect(dc, &right, lineBrush.Get());
        FillRect(dc, &bottom, lineBrush.Get());
        std::wstring text = CellText(col, row);
        RECT textRect{cell.left + CellTextIndent, cell.top, cell.right - 1, cell.bottom - 1};
        DrawTextW(dc, text.data(), int(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    };
    const auto columnAt = [&](int index) { return index < fixedCols ? index : leftCol + index - fixedCols; };
    const auto rowAt = [&](int index) { return index < fixedRows ? index : topRow + index - fixedRows; };
    for (int rowIndex = 0, y = 0; y < client.bottom && rowAt(rowIndex) < rowCount; ++rowIndex, y += rowHeight)
        for (int colIndex = 0, x = 0; x < client.right && columnAt(colIndex) < colCount; ++colIndex, x += colWidth)
            drawCell(columnAt(colIndex), rowAt(rowIndex), x, y);
}

std::wstring TStringGrid::Cell(int col, int row) const
{
    const auto found = cells.find({col, row});
    return found == cells.end() ? std::wstring() : found->second;
}

void TStringGrid::SetCell(int col, int row, const std::wstring& text)
{
    cells[{col, row}] = text;
    Invalidate();
}

} // namespace orvane::framework
