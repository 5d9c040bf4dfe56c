#include "game/main/TForm1.h"

#include "core/puzzle/WebAddresses.h"
#include "framework/MessageBoxes.h"
#include "framework/WideText.h"
#include "game/Ufrmda.h"

namespace orvane::game {

using namespace framework;

void TForm1::Restart1Click(TObject*)
{
    if (AskYesNo(L"Are you sure you want to reset this game to the initial state?") == IDNO)
        return;
    stdsudoku1->ShowPosition(*QJ1);
    StartFreshHistory();
    stdsudoku1->SetEnabled(true);
}

void TForm1::ShowSolution1Click(TObject*)
{
    if (AskYesNo(L"Are you sure you want to see the solution?") == IDNO)
        return;
    ShowSolution(statistics, gameRecord);
    SaveStatistics();
    Tstdsudoku* board = frmda->stdsudoku1;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TNode& record = QJ1->Node(x, y);
            TCell* cell = board->Cells(x, y);
            cell->Setvalue(record.solution);
            cell->Setisfixed(true);
            cell->Font().SetColor(record.given ? board->fixcolor() : board->bigcolor());
        }
    frmda->ShowModal();
}

void TForm1::Print1Click(TObject*) { OpenWebAddress(WideFromUtf8(PrintAddress(QJ1->GivensText()))); }

void TForm1::btvisitClick(TObject*) { OpenWebAddress(WideFromUtf8(ProductSiteAddress())); }

} // namespace orvane::game
