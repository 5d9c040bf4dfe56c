#include "game/main/TForm1.h"

#include "core/base/Exception.h"
#include "core/puzzle/SavedGame.h"
#include "framework/FileAccess.h"
#include "framework/MessageBoxes.h"
#include "framework/TApplication.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

namespace orvane::game {

using namespace framework;

namespace {

void LocalFreeArguments(LPWSTR* arguments) { LocalFree(arguments); }

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

    WriteWholeFile(path, SavedGameText(BoardAsSavedGame()));
}

SavedGame TForm1::BoardAsSavedGame() const
{
    SavedGame game;
    TakeSavedPosition(*QJ1, game);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TCell* cell = stdsudoku1->Cells(x, y);
            game.BoardDigits[std::size_t(SavedGameCellIndex(x, y))] = Trimmed(cell->Caption()).empty() ? 0 : cell->value();
            game.Marks[std::size_t(SavedGameCellIndex(x, y))] = cell->Marks();
        }
    game.Level = curlevel;
    return game;
}

void TForm1::Open1Click(TObject*)
{
    if (OpenDialog1->Execute())
        OpenSavedGame(OpenDialog1->FileName());
}

void TForm1::OpenCommandLineGame(const wchar_t* commandLine)
{
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFreeArguments)> arguments(CommandLineToArgvW(commandLine, &count),
                                                                          &LocalFreeArguments);
    if (!arguments || count < 2)
        return;
    const std::wstring path = arguments.get()[1];
    // The player sees the window before any error box, which it then owns.
    Show();
    try {
        OpenSavedGame(path);
    } catch (const std::exception& error) {
        Application->HandleException(error);
    }
}

void TForm1::OpenSavedGame(const std::wstring& path)
{
    // The whole file is read and checked before anything changes, so that a
    // damaged file leaves the game on the board as it was.
    const SavedGameReadResult read = ReadSavedGame(ReadWholeFile(path));
    if (!read.Game)
        throw Exception(read.Error);
    ShowSavedGame(*read.Game);
    // A game from a file: its past is unknown, so the statistics leave it be.
    BeginPlay(false, false, 0);
}

void TForm1::ShowSavedGame(const SavedGame& game)
{
    ApplySavedPosition(game, *QJ1);
    stdsudoku1->ShowPosition(*QJ1);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            TCell* cell = stdsudoku1->Cells(x, y);
            const auto index = std::size_t(SavedGameCellIndex(x, y));
            cell->Setvalue(game.BoardDigits[index]);
            // Givens take no marks, whatever a file says.
            if (!cell->isfixed())
                cell->SetMarks(game.Marks[index]);
        }
    StartFreshHistory();
    curlevel = game.Level;
    ShowLevelCaption(curlevel);
    EnableGame();
}

} // namespace orvane::game
