#include "game/stdsudoku.h"

#include "core/base/DpiScale.h"
#include "core/puzzle/BoardGeometry.h"
#include "framework/PublishedProperties.h"
#include "framework/StartupMarkers.h"

namespace orvane::game {

namespace {

using framework::PublishedValue;
using framework::TPropertyInfo;
using framework::TPropertyKind;

constexpr int CellFontPoints = 16;

constexpr TPropertyInfo BoardProperties[] = {
    PublishedValue<Tstdsudoku, &Tstdsudoku::bigcolor, &Tstdsudoku::Setbigcolor>(L"bigcolor", TPropertyKind::Color),
    PublishedValue<Tstdsudoku, &Tstdsudoku::fixcolor, &Tstdsudoku::Setfixcolor>(L"fixcolor", TPropertyKind::Color),
};

} // namespace

const framework::TClassInfo Tstdsudoku::ClassInfo{L"Tstdsudoku", &framework::TPanel::ClassInfo, BoardProperties};

Tstdsudoku::Tstdsudoku(framework::TComponent* owner) : TPanel(owner)
{
    SetWidth(BoardPixels);
    SetHeight(Width());
    SetCaption(L" ");
    SetBevelOuter(framework::TPanelBevel::bvNone);
    const int pitchX = CellPitch(Width());
    const int pitchY = CellPitch(Height());
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            auto* cell = Create<TCell>(this);
            cells[std::size_t(x - 1)][std::size_t(y - 1)] = cell;
            cell->SetParent(this);
            cell->SetBounds(CellStart(x, pitchX), CellStart(y, pitchY), CellExtent(x, pitchX), CellExtent(y, pitchY));
            cell->Setisfixed(false);
            cell->x = x;
            cell->y = y;
            cell->Font().SetSize(CellFontPoints);
            cell->Font().SetStyle(framework::fsBold);
        }
    Setfixcolor(framework::clBlack);
    Setbigcolor(framework::clBlue);
}

void Tstdsudoku::Setfixcolor(framework::TColor c)
{
    for (const auto& column : cells)
        for (TCell* cell : column)
            if (cell->isfixed())
                cell->Font().SetColor(c);
    fixColor = c;
}

void Tstdsudoku::Setbigcolor(framework::TColor c)
{
    for (const auto& column : cells)
        for (TCell* cell : column)
            if (!cell->isfixed())
                cell->Font().SetColor(c);
    bigColor = c;
}

void Tstdsudoku::ShowPosition(const PuzzlePosition& position)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TNode& record = position.Node(x, y);
            TCell* cell = Cells(x, y);
            cell->Setvalue(record.solution);
            cell->Setisfixed(record.given);
            cell->SetEnabled(!record.given);
            cell->SetMarks(0);
        }
    Setbigcolor(bigColor);
    Setfixcolor(fixColor);
    ClearMarks();
}

void Tstdsudoku::ClearMarks()
{
    for (const auto& column : cells)
        for (TCell* cell : column)
            cell->SetColor(framework::clWhite);
}

PlayGrid Tstdsudoku::Grid() const
{
    PlayGrid grid;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TCell* cell = Cells(x, y);
            grid.cells[std::size_t(CellIndex(x, y))] = cell->State();
            grid.givens[std::size_t(CellIndex(x, y))] = cell->isfixed();
        }
    return grid;
}

void Tstdsudoku::SetGrid(const PlayGrid& grid)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (!Cells(x, y)->isfixed())
                Cells(x, y)->SetState(grid.cells[std::size_t(CellIndex(x, y))]);
}

void Tstdsudoku::Paint()
{
    TPanel::Paint();
    // The cells are windows on top of the board: the lines show only in the
    // gaps between them.
    // The lines lie where they lie on the 96-DPI board, scaled to the
    // board's DPI like the cells' edges, so that they stay in the gaps.
    framework::TCanvas& canvas = Canvas();
    const unsigned dpi = CurrentDpi();
    const int pitch = CellPitch(ScaleBetweenDpi(Width(), DefaultDpi, dpi));
    const int extent = ScaleForDpi(BoardCells * pitch, dpi);
    for (int k = 1; k <= GridLineCount; ++k) {
        const int position = ScaleForDpi(GridLinePosition(k, pitch), dpi);
        canvas.Pen.Width = ScaleLineWidthForDpi(GridLinePenWidth(k), dpi);
        canvas.MoveTo(0, position);
        canvas.LineTo(extent, position);
    }
    for (int k = 1; k <= GridLineCount; ++k) {
        const int position = ScaleForDpi(GridLinePosition(k, pitch), dpi);
        canvas.Pen.Width = ScaleLineWidthForDpi(GridLinePenWidth(k), dpi);
        canvas.MoveTo(position, 0);
        canvas.LineTo(position, extent);
    }
    static bool firstPaintMarked = false;
    framework::StartupMarkerOnce("board-painted", firstPaintMarked);
}

} // namespace orvane::game
