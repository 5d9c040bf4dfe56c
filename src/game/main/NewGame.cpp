#include "game/main/TForm1.h"

#include "core/puzzle/Levels.h"
#include "core/puzzle/PuzzleChoice.h"
#include "framework/MessageBoxes.h"
#include "framework/TApplication.h"
#include "framework/WideText.h"
#include "game/Ufrmtk.h"

namespace orvane::game {

using namespace framework;

void TForm1::Easy1Click(TObject* sender)
{
    const int level = static_cast<TMenuItem*>(sender)->Tag();
    curlevel = level;
    PickPuzzle(level);
    stdsudoku1->ShowPosition(*QJ1);
    StartFreshHistory();
    EnableGame();
    ShowLevelCaption(level);
    BeginPlay(true, true, 0);
}

void TForm1::PickPuzzle(int level)
{
    std::vector<std::string> lines;
    if (frmtk)
        if (const TMemo* list = frmtk->LevelList(level))
            lines = PuzzleLines(*list);
    QJ1->LoadPuzzle(PickPuzzleText(lines));
}

void TForm1::Quit1Click(TObject*)
{
    if (AskYesNo(L"Do you really want to exit?") == IDYES)
        Close();
}

void TForm1::EnableGame()
{
    stdsudoku1->SetEnabled(true);
    btcheck->SetEnabled(true);
    btprint->SetEnabled(true);
}

void TForm1::ShowLevelCaption(int level)
{
    if (!IsLevel(level))
        return;
    const std::wstring title = Application ? Application->Title() : std::wstring();
    SetCaption(title + L" - " + WideFromAscii(LevelNames[std::size_t(level)]));
}

} // namespace orvane::game
