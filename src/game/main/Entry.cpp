#include "game/main/TForm1.h"

#include "framework/MessageBoxes.h"
#include "framework/WindowUpdateLock.h"

#include <string>

namespace orvane::game {

using namespace framework;

void TForm1::CellMouseEnter(TObject* sender)
{
    auto* cell = static_cast<TCell*>(sender);
    // The arrow keys may have selected another cell since the pointer last
    // left one: whichever moved last wins.
    if (selx >= 1 && (selx != cell->x || sely != cell->y))
        stdsudoku1->Cells(selx, sely)->SetBorderStyle(TBorderStyle::bsNone);
    cell->SetBorderStyle(TBorderStyle::bsSingle);
    selx = cell->x;
    sely = cell->y;
    RefreshHighlights();
}

void TForm1::CellMouseLeave(TObject* sender)
{
    // The border goes while the board cannot paint; it repaints once after.
    TWindowUpdateLock lock(stdsudoku1->Handle());
    static_cast<TCell*>(sender)->SetBorderStyle(TBorderStyle::bsNone);
    // Leaving a cell clears the selection, also one the arrow keys made.
    if (selx >= 1)
        stdsudoku1->Cells(selx, sely)->SetBorderStyle(TBorderStyle::bsNone);
    selx = 0;
    sely = 0;
    RefreshHighlights();
}

void TForm1::CellMouseDown(TObject* sender, TMouseButton button, unsigned, int, int)
{
    switch (button) {
    case TMouseButton::mbLeft:
        if (selx == 0)
            return;
        EnterChosen(selx, sely, ChosenDigit());
        stdsudoku1->ClearMarks();
        CheckSolved();
        return;
    case TMouseButton::mbRight: {
        const auto* cell = static_cast<TCell*>(sender);
        const int index = CellIndex(cell->x, cell->y);
        ChangeBoard([&](PlayGrid& grid) { EnterDigit(grid, index, 0, AutoClean::Off); });
        stdsudoku1->ClearMarks();
        return;
    }
    case TMouseButton::mbMiddle:
        return;
    }
}

void TForm1::FormKeyPress(TObject*, wchar_t& key)
{
    if (selx < 1)
        return;
    if (key >= L'1' && key <= L'9')
        EnterChosen(selx, sely, key - L'0');
    stdsudoku1->ClearMarks();
    CheckSolved();
}

int TForm1::ChosenDigit() const
{
    const TToolButton* const digits[] = {sz0, sz1, sz2, sz3, sz4, sz5, sz6, sz7, sz8, sz9};
    for (int digit = 0; digit < int(std::size(digits)); ++digit)
        if (digits[digit]->Down())
            return digit;
    return 0;
}

bool TForm1::CheckSolved()
{
    bool solved = true;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (stdsudoku1->Cells(x, y)->Caption() != std::to_wstring(QJ1->Node(x, y).solution))
                solved = false;
    if (solved) {
        NoteSolved();
        ShowInformation(L"Puzzle solved");
    }
    return solved;
}

bool TForm1::MarkErrors()
{
    bool found = false;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            TCell* cell = stdsudoku1->Cells(x, y);
            const std::int32_t v = cell->value();
            if (v != 0 && v != QJ1->Node(x, y).solution) {
                cell->SetColor(clRed);
                found = true;
            }
        }
    return found;
}

void TForm1::btcheckClick(TObject*)
{
    if (!MarkErrors())
        ShowInformation(L"Sudoku is OK so far..");
}

} // namespace orvane::game
