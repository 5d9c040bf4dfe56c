#include "GameFixture.h"

#include "HandInput.h"

#include "framework/FileAccess.h"
#include "framework/TApplication.h"

#include <filesystem>

namespace orvane::game::test {
namespace {

using namespace framework;
using orvane::test::ModalDriver;

const std::string Zeros(81, '0');

// Saved games of one test, removed afterwards.
class SavedGames : public Game {
protected:
    void TearDown() override
    {
        for (const std::wstring& path : files) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
        Game::TearDown();
    }
    std::wstring NewFile(const std::wstring& name)
    {
        files.push_back(SavePath(name));
        DeleteFileW(files.back().c_str());
        return files.back();
    }
    void Save(const std::wstring& path, std::vector<int> answers = {})
    {
        ModalDriver driver;
        driver.ChooseFile(path);
        for (const int answer : answers)
            driver.AnswerMessageBox(answer);
        Choose(Form1->Save1);
        EXPECT_TRUE(driver.AllStepsDone());
        EXPECT_TRUE(driver.Failures().empty());
        texts = driver.MessageTexts();
        folders = driver.DialogFolders();
    }
    void Open(const std::wstring& path, bool expectError = false)
    {
        ModalDriver driver;
        driver.ChooseFile(path);
        if (expectError)
            driver.AnswerMessageBox(IDOK);
        Choose(Form1->Open1);
        EXPECT_TRUE(driver.AllStepsDone());
        EXPECT_TRUE(driver.Failures().empty());
        texts = driver.MessageTexts();
        folders = driver.DialogFolders();
    }
    // Enters a right digit, a wrong one and a cleared cell, and marks errors.
    void PlaySome()
    {
        const POINT right = FirstOpenCell(0);
        const POINT wrong = FirstOpenCell(1);
        TypeOnCell(right.x, right.y, wchar_t(L'0' + SolutionAt(right.x, right.y)));
        TypeOnCell(wrong.x, wrong.y, wchar_t(L'0' + SolutionAt(wrong.x, wrong.y) % 9 + 1));
        orvane::test::MovePointerAway();
        Press(Form1->btcheck);
    }

    // Keys pressed by the hand with Ctrl held, the pointer over a cell: Ctrl
    // with a digit toggles a mark there, Ctrl+Z undoes.
    void CtrlKeysOver(POINT cell, std::initializer_list<WORD> digits)
    {
        orvane::test::MovePointerTo(*Cell(cell.x, cell.y));
        SetForegroundWindow(Form1->Handle());
        for (const WORD digit : digits) {
            orvane::test::PressKey(digit, VK_CONTROL);
            orvane::test::PumpMessages();
        }
    }
    // The four lines of the game on the board, as the file has always held it.
    std::string FourLines() const
    {
        std::string solutions;
        std::string givens;
        std::string board;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                solutions += char('0' + SolutionAt(x, y));
                givens += Form1->QJ1->Node(x, y).given ? '1' : '0';
                board += Cell(x, y)->Caption().empty() ? '0' : char('0' + Cell(x, y)->value());
            }
        return solutions + "\r\n" + givens + "\r\n" + board + "\r\n" + std::to_string(Form1->curlevel) + "\r\n";
    }

    std::vector<std::wstring> files;
    std::vector<std::wstring> texts;
    std::vector<std::wstring> folders;
};

TEST_F(SavedGames, SaveThenOpenGivesTheSameBoardAndTheSameMarks)
{
    NewGame(2);
    PlaySome();
    const Snapshot saved = Take();
    const std::wstring path = NewFile(L"game \u00e9\u4e2d\u03a9.std");
    Save(path);
    ASSERT_TRUE(FileExists(path));
    EXPECT_EQ(std::filesystem::path(folders.at(0)), std::filesystem::path(Form1->SavesFolder()))
        << "the dialog starts in the saves folder";

    // The file: solution, givens, board, level, column by column.
    const std::string text = ReadWholeFile(path);
    ASSERT_EQ(text.size(), 3 * 83 + 3u);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const std::size_t p = std::size_t(9 * (x - 1) + (y - 1));
            EXPECT_EQ(text[p], char('0' + SolutionAt(x, y)));
            EXPECT_EQ(text[83 + p], Form1->QJ1->Node(x, y).given ? '1' : '0');
            EXPECT_EQ(text[166 + p], Cell(x, y)->Caption().empty() ? '0' : char('0' + Cell(x, y)->value()));
        }
    EXPECT_EQ(text.substr(249), "2\r\n");

    NewGame(0);
    Open(path);
    EXPECT_TRUE(texts.empty());
    Snapshot opened = Take();
    EXPECT_EQ(opened.caption, L"Orvane Sudoku 1.0 - Hard");
    EXPECT_EQ(opened.level, 2);
    EXPECT_EQ(opened.texts, saved.texts);
    EXPECT_EQ(opened.solutions, saved.solutions);
    EXPECT_EQ(opened.givens, saved.givens);
    EXPECT_EQ(opened.enabled, saved.enabled);
    Press(Form1->btcheck);
    EXPECT_EQ(Take().backgrounds, saved.backgrounds) << "Check Error marks the same cells";
}

// However a game came to have no marks, it saves as the four lines alone,
// byte for byte as before the marks.
TEST_F(SavedGames, AGameWithoutMarksSavesAsTheFourLinesAlone)
{
    const struct {
        const char* what;
        std::function<void()> play;
    } games[] = {
        {"a new game", [] {}},
        {"entries and red marks", [&] { PlaySome(); }},
        {"a mark set and taken off again", [&] { CtrlKeysOver(FirstOpenCell(4), {'6', '6'}); }},
        {"Fill candidates taken back",
         [&] {
             Choose(Form1->FillCandidates1);
             CtrlKeysOver(FirstOpenCell(4), {'Z'});
         }},
    };
    for (const auto& game : games) {
        NewGame(1);
        game.play();
        const std::wstring path = NewFile(L"no marks.std");
        Save(path);
        EXPECT_EQ(ReadWholeFile(path), FourLines()) << game.what;
        EXPECT_EQ(ReadWholeFile(path).size(), 252u) << game.what;
    }
}

TEST_F(SavedGames, MarksAreSavedInAFifthLineAndOpenAgain)
{
    NewGame(2);
    PlaySome();
    const POINT a = FirstOpenCell(2);
    const POINT b = FirstOpenCell(5);
    CtrlKeysOver(a, {'5', '1'});
    CtrlKeysOver(b, {'9'});
    const Snapshot saved = Take();
    const std::wstring path = NewFile(L"with marks.std");
    Save(path);

    std::vector<std::string> fields(81);
    fields[std::size_t(9 * (a.x - 1) + (a.y - 1))] = "15";
    fields[std::size_t(9 * (b.x - 1) + (b.y - 1))] = "9";
    std::string marksLine = "Marks:";
    for (std::size_t i = 0; i < fields.size(); ++i)
        marksLine += (i > 0 ? "," : "") + fields[i];
    EXPECT_EQ(ReadWholeFile(path), FourLines() + marksLine + "\r\n");

    NewGame(0);
    Open(path);
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(Take().texts, saved.texts);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const bool marked = (x == a.x && y == a.y) || (x == b.x && y == b.y);
            EXPECT_EQ(Cell(x, y)->Marks() != 0, marked) << x << "," << y;
        }
    EXPECT_EQ(Cell(a.x, a.y)->Marks(), MarkOf(1) | MarkOf(5));
    EXPECT_EQ(Cell(b.x, b.y)->Marks(), MarkOf(9));

    // Opened, the game starts a fresh history: nothing to take back.
    const PlayGrid opened = Form1->stdsudoku1->Grid();
    CtrlKeysOver(b, {'Z'});
    EXPECT_EQ(Form1->stdsudoku1->Grid(), opened);
    // Restart takes the marks with the entries.
    ModalDriver driver;
    driver.AnswerMessageBox(IDYES);
    Choose(Form1->Restart1);
    EXPECT_EQ(Cell(a.x, a.y)->Marks(), 0);
}

TEST_F(SavedGames, OpenBeforeTheFirstGameEnablesTheGame)
{
    const std::wstring path = NewFile(L"opened first.std");
    std::string solution;
    std::string givens;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) {
            solution += char('1' + (x * 3 + x / 3 + y) % 9);
            givens += (x + y) % 2 ? '1' : '0';
        }
    std::string board = givens;
    for (std::size_t i = 0; i < board.size(); ++i)
        board[i] = givens[i] == '1' ? solution[i] : '0';
    board[0] = '7';
    WriteWholeFile(path, solution + "\r\n" + givens + "\r\n" + board + "\r\n4\r\n");
    Open(path);
    EXPECT_EQ(Form1->Caption(), L"Orvane Sudoku 1.0 - Extreme");
    EXPECT_TRUE(Form1->stdsudoku1->Enabled());
    EXPECT_TRUE(Form1->btcheck->Enabled());
    EXPECT_TRUE(Form1->btprint->Enabled());
    EXPECT_EQ(Cell(1, 1)->Caption(), L"7");
    EXPECT_TRUE(Cell(1, 1)->Enabled());
    EXPECT_FALSE(Cell(1, 2)->Enabled());

    // Restart right after Open: the file's givens, every open cell empty.
    ModalDriver driver;
    driver.AnswerMessageBox(IDYES);
    Choose(Form1->Restart1);
    EXPECT_EQ(Cell(1, 1)->Caption(), L"");
    EXPECT_EQ(Cell(1, 1)->value(), solution[0] - '0');
}

TEST_F(SavedGames, AnExistingNameIsOverwrittenOnlyOnYes)
{
    const std::wstring path = NewFile(L"existing.std");
    WriteWholeFile(path, "earlier\r\n");
    NewGame(1);
    Save(path, {IDNO});
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"This File name already exits,OK to overwrite it?"}));
    EXPECT_EQ(ReadWholeFile(path), "earlier\r\n");
    Save(path, {IDYES});
    EXPECT_EQ(ReadWholeFile(path).substr(249), "1\r\n");
    EXPECT_EQ(ReadWholeFile(path).size(), 252u);
}

TEST_F(SavedGames, ADamagedFileLeavesTheGameAsItWas)
{
    NewGame(3);
    PlaySome();
    const Snapshot before = Take();
    std::string board = Zeros;
    board[40] = 'a';
    const struct {
        std::string content;
        std::wstring error;
    } damagedFiles[] = {
        {"12345678x\r\n", L"'x' is not a valid integer value"},
        {std::string(81, '5') + "\r\n" + Zeros + "\r\n" + board + "\r\n0\r\n", L"'a' is not a valid integer value"},
        {std::string(81, '5') + "\r\n" + Zeros + "\r\n" + Zeros + "\r\nHard\r\n", L"'Hard' is not a valid integer value"},
        // The message reaches the box whole: a NUL is named, not the end of it.
        {std::string("12\0" "45", 5) + "\r\n", L"'#0' is not a valid integer value"},
        {"\xEF\xBB\xBF" + std::string(81, '5') + "\r\n",
         L"'\u00ef' is not a valid integer value (the file starts with a UTF-8 byte-order mark; a saved game is plain "
         L"single-byte text)"},
    };
    for (const auto& file : damagedFiles) {
        const std::wstring path = NewFile(L"damaged.std");
        WriteWholeFile(path, file.content);
        Open(path, true);
        EXPECT_EQ(texts, (std::vector<std::wstring>{file.error}));
        EXPECT_EQ(Take(), before);
    }
}

// What a ".std" file's association starts: the program with the file as its
// first argument, quoted, as Explorer passes it.
std::wstring CommandLineOpening(const std::wstring& path)
{
    return L"\"C:\\Program Files\\Orvane Sudoku\\OrvaneSudoku.exe\" \"" + path + L"\"";
}

TEST_F(SavedGames, AGameNamedOnTheCommandLineOpensAsOpenDoes)
{
    NewGame(2);
    PlaySome();
    const Snapshot saved = Take();
    const std::wstring path = NewFile(L"from the command line.std");
    Save(path);

    NewGame(0);
    Form1->Hide();
    ModalDriver driver;
    Form1->OpenCommandLineGame(CommandLineOpening(path).c_str());
    EXPECT_TRUE(Form1->Visible()) << "the window is shown before the game opens";
    EXPECT_TRUE(driver.MessageTexts().empty());
    Snapshot opened = Take();
    EXPECT_EQ(opened.caption, L"Orvane Sudoku 1.0 - Hard");
    EXPECT_EQ(opened.texts, saved.texts);
    EXPECT_EQ(opened.givens, saved.givens);

    // The program started without arguments opens nothing.
    NewGame(1);
    const Snapshot before = Take();
    Form1->OpenCommandLineGame(L"OrvaneSudoku.exe");
    Form1->OpenCommandLineGame(L"");
    EXPECT_EQ(Take(), before);
}

TEST_F(SavedGames, ADamagedFileOnTheCommandLineShowsItsErrorAndTheGameGoesOn)
{
    const struct {
        std::wstring name;
        std::string content; // none: the file does not exist
        std::wstring error;
    } cases[] = {
        {L"damaged.std", "12345678x\r\n", L"'x' is not a valid integer value"},
        {L"missing.std", {}, L"Cannot open file"},
    };
    for (const auto& file : cases) {
        NewGame(3);
        PlaySome();
        const Snapshot before = Take();
        const std::wstring path = NewFile(file.name);
        if (!file.content.empty())
            WriteWholeFile(path, file.content);
        ModalDriver driver;
        driver.AnswerMessageBox(IDOK);
        Form1->OpenCommandLineGame(CommandLineOpening(path).c_str());
        EXPECT_TRUE(driver.AllStepsDone());
        ASSERT_EQ(driver.MessageTexts().size(), 1u);
        EXPECT_EQ(driver.MessageTexts()[0].find(file.error), 0u) << driver.MessageTexts()[0];
        EXPECT_EQ(Take(), before);
        // The program goes on: the next game starts as usual.
        NewGame(1);
        EXPECT_EQ(Form1->Caption(), L"Orvane Sudoku 1.0 - Normal");
        EXPECT_TRUE(Form1->stdsudoku1->Enabled());
    }
}

TEST_F(SavedGames, ALevelOutsideTheNamesKeepsTheCaptionAndIsSavedAgain)
{
    NewGame(2);
    const std::wstring path = NewFile(L"level seven.std");
    Save(path);
    std::string text = ReadWholeFile(path);
    text[249] = '7';
    WriteWholeFile(path, text);
    NewGame(4);
    Open(path);
    EXPECT_EQ(Form1->Caption(), L"Orvane Sudoku 1.0 - Extreme") << "the caption stays as it was";
    EXPECT_EQ(Form1->curlevel, 7);
    const std::wstring again = NewFile(L"level seven again.std");
    Save(again);
    EXPECT_EQ(ReadWholeFile(again).substr(249), "7\r\n");
}

TEST_F(SavedGames, AFailedSaveReportsTheErrorAndKeepsTheOldFile)
{
    const std::wstring path = NewFile(L"in use.std");
    WriteWholeFile(path, "earlier\r\n");
    // Another program holds the file open, so it cannot be replaced.
    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    NewGame(0);
    Save(path, {IDYES, IDOK});
    CloseHandle(reader);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[1].find(L"Cannot create file"), std::wstring::npos) << texts[1];
    EXPECT_EQ(ReadWholeFile(path), "earlier\r\n");
    std::size_t temporaries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Form1->SavesFolder()))
        if (entry.path().extension() == L".tmp")
            ++temporaries;
    EXPECT_EQ(temporaries, 0u);
}

} // namespace
} // namespace orvane::game::test
