#include "game/main/TForm1.h"

#include "core/base/Exception.h"
#include "core/puzzle/SavedGame.h"
#include "framework/FileAccess.h"
#include "framework/MessageBoxes.h"

namespace orvane::game {

using namespace framework;

namespace {

// A cell's shown text without surrounding blanks and control characters.
std::wstring Trimmed(const std::wstring& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] <= L' ')
        ++first;
    while (last > first && text[last - 1] <= L' ')
        --last;
    return text.substr(first, last - first);
}

} // namespace

void TForm1::Save1Click(TObject*)
{
    if (!SaveDialog1->Execute())
        return;
    const std::wstring path = SaveDialog1->FileName();
    if (FileExists(path) && AskYesNo(L"This File name already exits,OK to overwrite it?") != IDYES)
        return;

    SavedGame game;
    TakeSavedPosition(*QJ1, game);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TCell* cell = stdsudoku1->Cells(x, y);
            game.BoardDigits[std::size_t(SavedGameCellIndex(x, y))] = Trimmed(cell->Caption()).empty() ? 0 : cell->value();
        }
    game.Level = curlevel;
    WriteWholeFile(path, SavedGameText(game));
}

void TForm1::Open1Click(TObject*)
{
    if (!OpenDialog1->Execute())
        return;
    // The whole file is read and checked before anything changes, so that a
    // damaged file leaves the game on the board as it was.
    const SavedGameReadResult read = ReadSavedGame(ReadWholeFile(OpenDialog1->FileName()));
    if (!read.Game)
        throw Exception(read.Error);
    const SavedGame& game = *read.Game;

    ApplySavedPosition(game, *QJ1);
    stdsudoku1->ShowPosition(*QJ1);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            stdsudoku1->Cells(x, y)->Setvalue(game.BoardDigits[std::size_t(SavedGameCellIndex(x, y))]);
    curlevel = game.Level;
    ShowLevelCaption(curlevel);
    EnableGame();
}

} // namespace orvane::game
