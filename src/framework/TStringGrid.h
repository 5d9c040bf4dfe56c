#pragma once

#include "framework/TCustomControl.h"

#include <map>
#include <string>
#include <utility>

namespace orvane::framework {

// A table of cells that draws itself: fixed rows and columns at the top and
// left in FixedColor, the others in Color, and scroll bars for the rows and
// columns that do not fit.
class TCustomGrid : public TCustomControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomGrid(TComponent* owner);

    int ColCount() const { return colCount; }
    int RowCount() const { return rowCount; }
    void SetSize(int columns, int rows);
    int FixedCols() const { return fixedCols; }
    int FixedRows() const { return fixedRows; }
    int DefaultColWidth() const { return colWidth; }
    int DefaultRowHeight() const { return rowHeight; }
    TColor FixedColor() const { return fixedColor; }
    void SetFixedColor(TColor value);
    // The first scrollable row and column shown.
    int TopRow() const { return topRow; }
    int LeftCol() const { return leftCol; }

    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value) { borderStyle = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    // The text of a cell (none here).
    virtual std::wstring CellText(int /*col*/, int /*row*/) const { return {}; }

private:
    int VisibleRows() const;
    int VisibleCols() const;
    void UpdateScrollBars();
    void Scroll(int bar, int request);
    void ScrollTo(int newLeftCol, int newTopRow);

    int colCount = 5;
    int rowCount = 5;
    int fixedCols = 1;
    int fixedRows = 1;
    int colWidth = 64;
    int rowHeight = 24;
    int topRow = 1;
    int leftCol = 1;
    TColor fixedColor = clBtnFace;
    TBorderStyle borderStyle = TBorderStyle::bsSingle;
};

// A grid whose cells hold texts.
class TStringGrid : public TCustomGrid {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomGrid::TCustomGrid;

    std::wstring Cell(int col, int row) const;
    void SetCell(int col, int row, const std::wstring& text);

protected:
    std::wstring CellText(int col, int row) const override { return Cell(col, row); }

private:
    std::map<std::pair<int, int>, std::wstring> cells;
};

} // namespace orvane::framework
