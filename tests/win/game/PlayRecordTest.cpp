#include "GameFixture.h"

#include "HandInput.h"

#include "core/grader/LogicalGrader.h"
#include "framework/FileAccess.h"
#include "framework/TApplication.h"
#include "game/DataFolder.h"
#include "game/PlayFiles.h"

#include <atomic>
#include <thread>

namespace orvane::game::test {
namespace {

using namespace framework;
using orvane::test::ModalDriver;
using orvane::test::MovePointerAway;
using orvane::test::PumpMessages;

constexpr int Easy = 0;
constexpr int Hard = 2;
constexpr int Extreme = 4;

// The game's clock, moved by hand: the play time is what the test says.
class PlayRecord : public Game {
protected:
    void SetUp() override
    {
        Game::SetUp();
        UseTestClock();
    }

    void UseTestClock()
    {
        Form1->Now = [this] { return now; };
    }
    void Advance(std::int64_t seconds) { now += seconds * 1000; }

    std::wstring DataFile(const wchar_t* name) const { return DataFolderPath() + name; }

    // Enters the solution into every open cell that shows nothing; the last
    // entry brings "Puzzle solved", which the driver answers.
    void SolveByHand()
    {
        ModalDriver driver;
        driver.AnswerMessageBox(IDOK);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (Cell(x, y)->Caption().empty())
                    TypeOnCell(x, y, wchar_t(L'0' + SolutionAt(x, y)));
        MovePointerAway();
        PumpMessages();
        EXPECT_EQ(driver.MessageTexts(), std::vector<std::wstring>{L"Puzzle solved"});
    }

    // The texts of the Statistics window's row of a level, as the window
    // shows them.
    std::vector<std::wstring> StatisticsRow(int level)
    {
        std::vector<std::wstring> row;
        ModalDriver driver;
        driver.CloseWindow(L"TfrmStatistics", [&](HWND) {
            for (TLabel* cell : Form1->StatisticsForm()->Cells[std::size_t(level + 1)])
                row.push_back(cell->Caption());
            row.push_back(Form1->StatisticsForm()->CurrentGameText->Caption());
        });
        Choose(Form1->Statistics1);
        EXPECT_TRUE(driver.AllStepsDone());
        return row;
    }

    std::int64_t now = 1000000;
};

// The time counts only while the main window is active and not minimized.
TEST_F(PlayRecord, TimeCountsWhileTheWindowIsActiveAndNotMinimized)
{
    NewGame(Hard);
    Advance(10);
    EXPECT_EQ(Form1->PlaySeconds(), 10);

    ShowWindow(Form1->Handle(), SW_MINIMIZE);
    PumpMessages();
    Advance(30);
    EXPECT_EQ(Form1->PlaySeconds(), 10) << "minimized";
    ShowWindow(Form1->Handle(), SW_RESTORE);
    SetForegroundWindow(Form1->Handle());
    PumpMessages();
    Advance(5);
    EXPECT_EQ(Form1->PlaySeconds(), 15);

    // Another program's window in front.
    HWND other = CreateWindowExW(0, L"STATIC", L"another window", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    PumpMessages();
    Advance(20);
    EXPECT_EQ(Form1->PlaySeconds(), 15) << "inactive";
    DestroyWindow(other);
    SetForegroundWindow(Form1->Handle());
    PumpMessages();
    Advance(1);
    EXPECT_EQ(Form1->PlaySeconds(), 16);

    NewGame(Hard);
    EXPECT_EQ(Form1->PlaySeconds(), 0) << "a new game, a new time";
}

// A game solved by hand, one solved after a hint, one whose solution was
// shown: what the Statistics window shows after each, and the file.
TEST_F(PlayRecord, StatisticsCountSolvedGamesHintsAndShownSolutions)
{
    NewGame(Easy);
    Advance(125);
    SolveByHand();
    Advance(50); // a solved game's time stands still
    EXPECT_EQ(StatisticsRow(Easy), (std::vector<std::wstring>{L"Easy", L"1", L"1", L"0", L"0", L"0", L"2:05", L"2:05",
                                                              L"1", L"This game (Easy): 2:05, solved"}));

    NewGame(Easy);
    SetForegroundWindow(Form1->Handle());
    orvane::test::PressKey('H', VK_CONTROL);
    ASSERT_TRUE(LoopUntil([] { return Form1->HintPress() == 1; }));
    Advance(30);
    SolveByHand();
    EXPECT_EQ(StatisticsRow(Easy), (std::vector<std::wstring>{L"Easy", L"2", L"1", L"1", L"0", L"1", L"2:05", L"2:05",
                                                              L"2", L"This game (Easy): 0:30, solved"}))
        << "solved with hints: counted apart, no best time, the run goes on";

    NewGame(Easy);
    {
        ModalDriver driver;
        driver.AnswerMessageBox(IDYES);
        driver.CloseWindow(L"Tfrmda");
        Choose(Form1->ShowSolution1);
        EXPECT_TRUE(driver.AllStepsDone());
    }
    SolveByHand();
    EXPECT_EQ(StatisticsRow(Easy), (std::vector<std::wstring>{L"Easy", L"3", L"1", L"1", L"1", L"1", L"2:05", L"2:05",
                                                              L"0", L"This game (Easy): 0:00, solved"}))
        << "Show Solution: not solved, the run ends";

    const std::optional<GameStatistics> stored = ReadStatistics(ReadWholeFile(DataFile(StatisticsFileName)));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->levels[Easy], (LevelStatistics{3, 1, 1, 1, 1, 125, 125, 0, 2}));
}

// A damaged statistics file is set aside under another name, the statistics
// start afresh, and the player is told once.
TEST_F(PlayRecord, ADamagedStatisticsFileIsSetAsideAndThePlayerToldOnce)
{
    Close();
    const std::string damaged = "Level=Easy Started=lots\r\n";
    WriteWholeFile(DataFile(StatisticsFileName), damaged);
    Launch();
    UseTestClock();
    {
        ModalDriver driver;
        driver.AnswerMessageBox(IDOK);
        NewGame(Easy);
        EXPECT_EQ(driver.MessageTexts(),
                  std::vector<std::wstring>{L"The statistics file was damaged. It is kept as statistics.damaged.txt, "
                                            L"and the statistics start afresh."});
    }
    EXPECT_EQ(ReadWholeFile(DataFile(DamagedStatisticsFileName)), damaged);
    const std::optional<GameStatistics> fresh = ReadStatistics(ReadWholeFile(DataFile(StatisticsFileName)));
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->levels[Easy].started, 1);

    ModalDriver quiet;
    NewGame(Easy);
    EXPECT_TRUE(quiet.MessageTexts().empty()) << "told once";
    EXPECT_TRUE(quiet.Failures().empty());
    EXPECT_EQ(Form1->Statistics().levels[Easy].started, 2);
}

// Quit, the window's close button and the end of the Windows session keep
// the game in progress; after a new start, which shows the empty board as
// ever, Resume Last Game brings back its board, marks, level and time.
TEST_F(PlayRecord, ResumeBringsBackTheGameKeptAtQuitCloseAndSessionEnd)
{
    const struct {
        const char* name;
        std::function<void()> end;
    } endings[] = {
        {"Quit",
         [this] {
             ModalDriver driver;
             driver.AnswerMessageBox(IDYES);
             orvane::test::ChooseFromMenuBar(*MenuBar(), *Form1->Quit1);
         }},
        {"the close button's message", [] { SendMessageW(Form1->Handle(), WM_CLOSE, 0, 0); }},
        {"the end of the session",
         [] {
             EXPECT_EQ(SendMessageW(Form1->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
             SendMessageW(Form1->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
         }},
    };
    for (const auto& ending : endings) {
        NewGame(Hard);
        const POINT digitCell = FirstOpenCell(0);
        const POINT markCell = FirstOpenCell(1);
        TypeOnCell(digitCell.x, digitCell.y, wchar_t(L'0' + SolutionAt(digitCell.x, digitCell.y)));
        Cell(markCell.x, markCell.y)->SetMarks(MarkOf(3) | MarkOf(7));
        MovePointerAway();
        Advance(42);
        const Snapshot played = Take();
        const int startedBefore = Form1->Statistics().levels[Hard].started;

        ending.end();
        MSG quit{};
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        ASSERT_TRUE(FileExists(DataFile(KeptGameFileName))) << ending.name;

        Close();
        Launch();
        UseTestClock();
        EXPECT_FALSE(Form1->stdsudoku1->Enabled()) << ending.name << ": the start is as ever";
        Choose(Form1->ResumeLastGame1);
        const Snapshot resumed = Take();
        EXPECT_EQ(resumed.texts, played.texts) << ending.name;
        EXPECT_EQ(resumed.solutions, played.solutions) << ending.name;
        EXPECT_EQ(resumed.givens, played.givens) << ending.name;
        EXPECT_EQ(resumed.caption, played.caption) << ending.name;
        EXPECT_EQ(Cell(markCell.x, markCell.y)->Marks(), MarkOf(3) | MarkOf(7)) << ending.name;
        EXPECT_EQ(Form1->PlaySeconds(), 42) << ending.name;
        EXPECT_EQ(Form1->Statistics().levels[Hard].started, startedBefore) << ending.name << ": not started again";
        DeleteFileW(DataFile(KeptGameFileName).c_str());
    }

    ModalDriver driver;
    driver.AnswerMessageBox(IDOK);
    Choose(Form1->ResumeLastGame1);
    EXPECT_EQ(driver.MessageTexts(), std::vector<std::wstring>{L"There is no game to resume."});
}

// Puzzle info on an Extreme game: the grader rates on a thread of its own,
// held back here; the window takes a digit meanwhile, and Puzzle info says
// "rating…" until the rating comes, then shows the grader's rating and
// techniques.
TEST_F(PlayRecord, PuzzleInfoRatesOffTheWindowsThread)
{
    std::atomic<bool> release{false};
    Form1->BeforeRating = [&](const std::atomic<bool>& stop) {
        while (!release && !stop)
            Sleep(5);
    };
    NewGame(Extreme);
    ASSERT_TRUE(Form1->Rating());

    const POINT open = FirstOpenCell();
    TypeOnCell(open.x, open.y, wchar_t(L'0' + SolutionAt(open.x, open.y)));
    MovePointerAway();
    EXPECT_EQ(Cell(open.x, open.y)->Caption(), std::to_wstring(SolutionAt(open.x, open.y)))
        << "the window answers while the grader rates";
    EXPECT_TRUE(Form1->Rating());

    std::vector<std::wstring> whileRating;
    {
        ModalDriver driver;
        driver.CloseWindow(L"TfrmPuzzleInfo", [&](HWND) {
            whileRating = {Form1->PuzzleInfoForm()->LevelText->Caption(), Form1->PuzzleInfoForm()->RatingText->Caption()};
        });
        Choose(Form1->PuzzleInfo1);
    }
    EXPECT_EQ(whileRating, (std::vector<std::wstring>{L"Extreme", L"rating\u2026"}));

    release = true;
    ASSERT_TRUE(LoopUntil([] { return !Form1->Rating(); }));
    ASSERT_TRUE(Form1->PuzzleRating());
    grader::Grid givens{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (Form1->QJ1->Node(x, y).given)
                givens[std::size_t(9 * (y - 1) + (x - 1))] = std::uint8_t(SolutionAt(x, y));
    const grader::GradeResult expected = grader::GradePuzzle(givens);
    EXPECT_EQ(Form1->PuzzleRating()->rating, expected.rating);
    EXPECT_EQ(expected.tier, grader::BeyondTier);

    std::wstring rating, techniques;
    ModalDriver driver;
    driver.CloseWindow(L"TfrmPuzzleInfo", [&](HWND) {
        rating = Form1->PuzzleInfoForm()->RatingText->Caption();
        techniques = Form1->PuzzleInfoForm()->TechniquesText->Caption();
    });
    Choose(Form1->PuzzleInfo1);
    const std::wstring number = std::to_wstring(expected.rating / 10) + L"." + std::to_wstring(expected.rating % 10);
    EXPECT_EQ(rating, number + L" (Extreme: forcing chains and nets)");
    EXPECT_NE(techniques.find(L"hidden single ("), std::wstring::npos) << techniques;
    EXPECT_NE(techniques.find(L"forcing"), std::wstring::npos) << techniques;
}

} // namespace
} // namespace orvane::game::test
