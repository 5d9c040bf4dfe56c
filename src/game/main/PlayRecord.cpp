#include "game/main/TForm1.h"

#include "core/play/KeptGame.h"
#include "framework/MessageBoxes.h"
#include "framework/TApplication.h"
#include "framework/WideText.h"
#include "game/PlayFiles.h"

#include <exception>

namespace orvane::game {

using namespace framework;

namespace {

constexpr std::int64_t MillisecondsPerSecond = 1000;

constexpr wchar_t DamagedStatisticsMessage[] =
    L"The statistics file was damaged. It is kept as statistics.damaged.txt, and the statistics start afresh.";
constexpr wchar_t NoKeptGameMessage[] = L"There is no game to resume.";
constexpr wchar_t DamagedKeptGameMessage[] = L"The last game cannot be resumed: its file is damaged.";

} // namespace

void TForm1::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case HintReadyMessage:
        hintJob.Deliver(message.WParam);
        return;
    case RatingReadyMessage:
        ratingJob.Deliver(message.WParam);
        return;
    case WM_ACTIVATE:
        windowActive = LOWORD(message.WParam) != WA_INACTIVE;
        TForm::WndProc(message);
        FollowActivation();
        return;
    case WM_SIZE:
        TForm::WndProc(message);
        FollowActivation();
        return;
    case WM_QUERYENDSESSION:
        // Windows is ending: the game is kept now, while the program may
        // still write; the session is never held up.
        KeepGame();
        message.Result = TRUE;
        return;
    case WM_ENDSESSION:
        if (message.WParam)
            KeepGame();
        message.Result = 0;
        return;
    default:
        break;
    }
    TForm::WndProc(message);
}

// ---- the clock

std::int64_t TForm1::PlaySeconds() const { return clock.Elapsed(Now()) / MillisecondsPerSecond; }

void TForm1::FollowActivation()
{
    const bool playing = gameRecord.inProgress && windowActive && HandleAllocated() && !IsIconic(Handle());
    if (playing)
        clock.Run(Now());
    else
        clock.Pause(Now());
}

// ---- games and their statistics

SolutionDigits TForm1::Solution() const
{
    SolutionDigits solution{};
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            solution[std::size_t(CellIndex(x, y))] = QJ1->Node(x, y).solution;
    return solution;
}

void TForm1::BeginPlay(bool counted, bool newlyStarted, std::int64_t seconds)
{
    EnsureStatistics();
    orvane::BeginGame(statistics, gameRecord, curlevel, counted, newlyStarted);
    SaveStatistics();
    gameOnBoard = true;
    clock.Reset(seconds * MillisecondsPerSecond);
    FollowActivation();
    StartRating();
}

void TForm1::NoteSolved()
{
    if (!gameRecord.inProgress)
        return;
    SolveGame(statistics, gameRecord, PlaySeconds());
    // Solved after Show Solution it counts for nothing, but it is over.
    gameRecord.inProgress = false;
    FollowActivation();
    SaveStatistics();
}

const GameStatistics& TForm1::Statistics()
{
    EnsureStatistics();
    return statistics;
}

void TForm1::EnsureStatistics()
{
    if (statisticsLoaded)
        return;
    statisticsLoaded = true;
    const StatisticsLoad load = LoadStatistics(statisticsPath, statisticsAsidePath);
    statistics = load.statistics;
    if (!load.setAside)
        return;
    // The fresh file replaces the damaged one at once, so that the player
    // hears of it once.
    SaveStatistics();
    ShowInformation(DamagedStatisticsMessage);
}

void TForm1::SaveStatistics()
{
    if (statisticsPath.empty() || !statisticsLoaded)
        return;
    try {
        StoreStatistics(statisticsPath, statistics);
    } catch (const std::exception& error) {
        // Shown once the message that counted is over, not inside it.
        if (Application)
            Application->QueueException(error);
    }
}

void TForm1::Statistics1Click(TObject*)
{
    EnsureStatistics();
    if (!statisticsForm) {
        statisticsForm = Create<TfrmStatistics>(this);
        SkinPlayWindow(*statisticsForm);
    }
    std::wstring current = L"No game is on the board.";
    if (gameOnBoard) {
        const std::wstring level =
            IsLevel(curlevel) ? WideFromAscii(LevelNames[std::size_t(curlevel)]) : std::to_wstring(curlevel);
        current = L"This game (" + level + L"): " + WideFromAscii(PlayTimeText(PlaySeconds()));
        if (!gameRecord.inProgress)
            current += L", solved";
        else if (gameRecord.solutionShown)
            current += L", solution shown";
    }
    statisticsForm->ShowStatistics(statistics, current);
    statisticsForm->ShowModal();
}

// ---- the last game

void TForm1::KeepGame()
{
    if (!gameOnBoard || keptGamePath.empty())
        return;
    try {
        if (!gameRecord.inProgress) {
            RemoveKeptGame(keptGamePath);
            return;
        }
        StoreKeptGame(keptGamePath,
                      KeptGame{BoardAsSavedGame(), PlaySeconds(), gameRecord.counted, gameRecord.hintsUsed, gameRecord.solutionShown});
    } catch (const std::exception& error) {
        if (Application)
            Application->QueueException(error);
    }
}

void TForm1::ResumeLastGame1Click(TObject*)
{
    const KeptGameLoad load = LoadKeptGame(keptGamePath);
    if (load.state == KeptGameState::Missing) {
        ShowInformation(NoKeptGameMessage);
        return;
    }
    if (load.state == KeptGameState::Damaged) {
        ShowInformation(DamagedKeptGameMessage);
        return;
    }
    ShowSavedGame(load.kept.game);
    BeginPlay(load.kept.counted, false, load.kept.seconds);
    gameRecord.hintsUsed = load.kept.hintsUsed;
    gameRecord.solutionShown = load.kept.solutionShown;
}

} // namespace orvane::game
