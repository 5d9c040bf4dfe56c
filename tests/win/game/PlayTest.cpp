#include "GameFixture.h"

#include "HandInput.h"

#include "FixedSeed.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/FileAccess.h"
#include "framework/TApplication.h"
#include "game/DataFolder.h"
#include "game/PlaySettingsFile.h"

#include <filesystem>

namespace orvane::game::test {
namespace {

using namespace framework;
using orvane::test::ModalDriver;
using orvane::test::MovePointerAway;
using orvane::test::MovePointerTo;
using orvane::test::PumpMessages;

// A key as the hand presses it, with a modifier held around it or none.
struct Key {
    WORD code;
    WORD modifier = 0;
};

// Givens of the known game, row by row: the centre (5, 5) is one, and so are
// (8, 4), (9, 4), (1, 4), (2, 2), (5, 8) and (5, 9), for the arrows to skip.
const char* const KnownGivens[9] = {
    "000000000", //
    "010000000", //
    "000000000", //
    "100000011", //
    "000010000", //
    "000000000", //
    "000000000", //
    "000010000", //
    "000010000", //
};

int KnownSolution(int x, int y) { return orvane::test::KnownSolutionRows[y - 1][x - 1] - '0'; }

class Play : public Game {
protected:
    void TearDown() override
    {
        for (const std::wstring& path : files)
            DeleteFileW(path.c_str());
        Game::TearDown();
    }

    // Presses keys with the hand (SendInput) while the main window is in
    // front, and lets the program's loop handle what they make.
    void Keys(std::initializer_list<Key> keys)
    {
        SetForegroundWindow(Form1->Handle());
        for (const Key& key : keys) {
            orvane::test::PressKey(key.code, key.modifier);
            PumpMessages();
        }
    }

    // Opens a game of the known solution with the givens of the mask (row by
    // row, "1" a given) and nothing entered, as a saved game opens.
    void OpenKnownGame(const char* const givens[9] = KnownGivens)
    {
        std::string solutions;
        std::string flags;
        std::string board;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const bool given = givens[y - 1][x - 1] == '1';
                solutions += char('0' + KnownSolution(x, y));
                flags += given ? '1' : '0';
                board += given ? char('0' + KnownSolution(x, y)) : '0';
            }
        files.push_back(SavePath(L"known game.std"));
        WriteWholeFile(files.back(), solutions + "\r\n" + flags + "\r\n" + board + "\r\n1\r\n");
        Form1->OpenSavedGame(files.back());
        PumpMessages();
    }

    PlayGrid Board() const { return Form1->stdsudoku1->Grid(); }
    MarkSet MarksAt(int x, int y) const { return Cell(x, y)->Marks(); }
    CellPlace Selected() const { return CellPlace{Form1->selx, Form1->sely}; }
    // The cells that show the selection border.
    std::vector<CellPlace> Bordered() const
    {
        std::vector<CellPlace> bordered;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (GetWindowLongW(Cell(x, y)->Handle(), GWL_STYLE) & WS_BORDER)
                    bordered.push_back(CellPlace{x, y});
        return bordered;
    }

    std::wstring SettingsPath() const { return DataFolderPath() + PlaySettingsFileName; }

    std::vector<std::wstring> files;
};

MarkSet Marks(std::initializer_list<int> digits)
{
    MarkSet marks = 0;
    for (const int digit : digits)
        marks |= MarkOf(digit);
    return marks;
}

TEST_F(Play, ThePlayMenuStandsAfterToolsOnTheSkinnedBarWithItsShortCuts)
{
    TToolBar* bar = MenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->ButtonCount(), 3);
    EXPECT_EQ(bar->Buttons(2)->MenuItem(), Form1->Play1);
    EXPECT_EQ(Form1->Play1->Caption(), L"Play");

    const struct {
        TMenuItem* item;
        const wchar_t* caption;
        TShortCut shortCut;
        bool checked;
    } items[] = {
        {Form1->Undo1, L"Undo", ShortCut('Z', scCtrl), false},
        {Form1->Redo1, L"Redo", ShortCut('Y', scCtrl), false},
        {Form1->N3, L"-", 0, false},
        {Form1->Notes1, L"Notes", ShortCut('M', scCtrl), false},
        {Form1->ToggleMark1, L"Toggle mark", 0, false},
        {Form1->FillCandidates1, L"Fill candidates", 0, false},
        {Form1->N5, L"-", 0, false},
        {Form1->Hint1, L"Hint", ShortCut('H', scCtrl), false},
        {Form1->PuzzleInfo1, L"Puzzle info", 0, false},
        {Form1->Statistics1, L"Statistics", 0, false},
        {Form1->ResumeLastGame1, L"Resume Last Game", 0, false},
        {Form1->N4, L"-", 0, false},
        {Form1->Highlight1, L"Highlight", 0, false},
        {Form1->AutoCleanNotes1, L"Auto-clean notes", 0, true},
    };
    ASSERT_EQ(Form1->Play1->Count(), int(std::size(items)));
    for (int index = 0; index < Form1->Play1->Count(); ++index) {
        const TMenuItem* item = Form1->Play1->Items(index);
        EXPECT_EQ(item, items[index].item) << index;
        EXPECT_EQ(item->Caption(), items[index].caption) << index;
        EXPECT_EQ(item->ShortCut(), items[index].shortCut) << index;
        EXPECT_EQ(item->Checked(), items[index].checked) << index;
    }
    ASSERT_EQ(Form1->ToggleMark1->Count(), 9);
    for (int digit = 1; digit <= 9; ++digit) {
        EXPECT_EQ(Form1->ToggleMark1->Items(digit - 1)->Caption(), std::to_wstring(digit));
        EXPECT_EQ(Form1->ToggleMark1->Items(digit - 1)->ShortCut(), ShortCut(WORD('0' + digit), scCtrl));
    }

    // Chosen on the skinned bar with the mouse, Notes checks and unchecks.
    Choose(Form1->Notes1);
    EXPECT_TRUE(Form1->Notes1->Checked());
    Keys({{'M', VK_CONTROL}});
    EXPECT_FALSE(Form1->Notes1->Checked()) << "Ctrl+M";
}

// Ctrl with a digit toggles a mark in any mode; in note mode a typed digit or
// the tool bar's digit does too. Marks are no text: the checks see an empty
// cell. A digit entered hides the cell's marks; emptied, it shows them again.
TEST_F(Play, MarksComeFromCtrlDigitsAndFromDigitsInNoteMode)
{
    OpenKnownGame();
    const CellPlace cell{3, 3};
    const CellPlace other{7, 7};
    MovePointerTo(*Cell(cell.x, cell.y));
    // A red mark of the error check elsewhere: a short-cut types no character,
    // so nothing of a typed key's work (clearing it) happens.
    Cell(other.x, other.y)->SetColor(clRed);
    Keys({{'3', VK_CONTROL}, {'8', VK_CONTROL}});
    EXPECT_EQ(MarksAt(3, 3), Marks({3, 8}));
    EXPECT_EQ(Cell(3, 3)->Caption(), L"");
    EXPECT_EQ(Cell(other.x, other.y)->Color(), clRed) << "Ctrl+digit reached the board as a character";

    Choose(Form1->Notes1);
    ASSERT_TRUE(Form1->Notes1->Checked());
    MovePointerTo(*Cell(cell.x, cell.y));
    Keys({{'5'}, {'3'}});
    EXPECT_EQ(MarksAt(3, 3), Marks({5, 8})) << "typed digits toggle marks in note mode";
    EXPECT_EQ(Cell(other.x, other.y)->Color(), clWhite) << "a typed character clears the red as ever";
    Press(Form1->sz7);
    ClickCell(cell.x, cell.y);
    EXPECT_EQ(MarksAt(3, 3), Marks({5, 7, 8})) << "the tool bar's digit in note mode";
    EXPECT_EQ(Cell(3, 3)->Caption(), L"");
    Press(Form1->sz0);
    ClickCell(cell.x, cell.y);
    EXPECT_EQ(MarksAt(3, 3), 0) << "the eraser in note mode takes the marks off";
    Keys({{'2', VK_CONTROL}, {'6'}});

    Keys({{'M', VK_CONTROL}});
    ASSERT_FALSE(Form1->Notes1->Checked());
    MovePointerTo(*Cell(cell.x, cell.y));
    Keys({{'9'}});
    EXPECT_EQ(Cell(3, 3)->Caption(), L"9");
    EXPECT_EQ(Cell(3, 3)->value(), 9);
    EXPECT_EQ(MarksAt(3, 3), Marks({2, 6})) << "hidden, kept";
    Keys({{'4', VK_CONTROL}});
    EXPECT_EQ(MarksAt(3, 3), Marks({2, 6})) << "no mark changes under a digit";
    ClickCell(cell.x, cell.y, WM_RBUTTONDOWN);
    EXPECT_EQ(Cell(3, 3)->Caption(), L"");
    EXPECT_EQ(MarksAt(3, 3), Marks({2, 6})) << "shown again";

    // Marks never count as digits: Check Error finds nothing, Save writes 0.
    MovePointerAway();
    ModalDriver driver;
    driver.AnswerMessageBox(IDOK);
    Press(Form1->btcheck);
    EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"Sudoku is OK so far.."}));
}

// A digit entered takes its marks off the cell's row, column and box, with
// Auto-clean notes on (as at a first start); with it off, nothing else
// changes. The marks come from Fill candidates on a board whose only digits
// are the givens.
TEST_F(Play, AutoCleanTakesTheDigitOffTheRowColumnAndBox)
{
    const CellPlace target{4, 6};
    const int digit = KnownSolution(4, 6);
    const struct {
        const char* what;
        CellPlace place;
        bool sees;
    } cells[] = {
        {"same row", {9, 6}, true},       {"same column", {4, 1}, true},   {"same box", {6, 5}, true},
        {"same box, corner", {5, 4}, true}, {"another box", {7, 7}, false}, {"same band only", {1, 5}, false},
    };
    for (const bool autoClean : {true, false}) {
        OpenKnownGame();
        if (!autoClean)
            Choose(Form1->AutoCleanNotes1);
        ASSERT_EQ(Form1->AutoCleanNotes1->Checked(), autoClean);
        Choose(Form1->FillCandidates1);
        for (const auto& cell : cells)
            ASSERT_TRUE(HasMark(MarksAt(cell.place.x, cell.place.y), digit)) << cell.what;
        const PlayGrid filled = Board();

        TypeOnCell(target.x, target.y, wchar_t(L'0' + digit));
        for (const auto& cell : cells)
            EXPECT_EQ(HasMark(MarksAt(cell.place.x, cell.place.y), digit), !(autoClean && cell.sees))
                << cell.what << (autoClean ? "" : ", auto-clean off");
        EXPECT_EQ(MarksAt(target.x, target.y), filled.At(target).marks) << "the cell's own marks hide";

        // The digit and all it cleaned are one step.
        Keys({{'Z', VK_CONTROL}});
        EXPECT_EQ(Board(), filled) << (autoClean ? "" : "auto-clean off");
    }
}

// Each table row is one key press or one command; its board is either a new
// one (a step) or the board after an earlier row.
TEST_F(Play, UndoAndRedoTakeBackAndRepeatEveryStep)
{
    OpenKnownGame();
    const CellPlace a{3, 3};
    const CellPlace b{7, 2};
    const PlayGrid start = Board();
    constexpr int NewBoard = -1;
    constexpr int Start = -2;
    const struct {
        const char* what;
        std::function<void()> input;
        int sameAs; // the row whose board comes back, Start, or NewBoard
    } rows[] = {
        /* 0 */ {"type 5", [&] { TypeOnCell(a.x, a.y, L'5'); }, NewBoard},
        /* 1 */ {"Ctrl+3 on b", [&] { MovePointerTo(*Cell(b.x, b.y)); Keys({{'3', VK_CONTROL}}); }, NewBoard},
        /* 2 */ {"Fill candidates", [&] { Choose(Form1->FillCandidates1); }, NewBoard},
        /* 3 */ {"Delete on a", [&] { MovePointerTo(*Cell(a.x, a.y)); Keys({{VK_DELETE}}); }, NewBoard},
        /* 4 */ {"Ctrl+Z", [&] { Keys({{'Z', VK_CONTROL}}); }, 2},
        /* 5 */ {"Ctrl+Z", [&] { Keys({{'Z', VK_CONTROL}}); }, 1},
        /* 6 */ {"Ctrl+Y", [&] { Keys({{'Y', VK_CONTROL}}); }, 2},
        /* 7 */ {"Play > Undo", [&] { Choose(Form1->Undo1); }, 1},
        /* 8 */ {"Ctrl+Z", [&] { Keys({{'Z', VK_CONTROL}}); }, 0},
        /* 9 */ {"Ctrl+Z", [&] { Keys({{'Z', VK_CONTROL}}); }, Start},
        /* 10 */ {"Ctrl+Z with nothing left", [&] { Keys({{'Z', VK_CONTROL}}); }, Start},
        /* 11 */ {"Play > Redo", [&] { Choose(Form1->Redo1); }, 0},
        /* 12 */ {"a right click on an empty cell is no step", [&] { ClickCell(8, 8, WM_RBUTTONDOWN); }, 0},
        /* 13 */ {"a new step after undo", [&] { TypeOnCell(b.x, b.y, L'4'); }, NewBoard},
        /* 14 */ {"Ctrl+Y has nothing to redo", [&] { Keys({{'Y', VK_CONTROL}}); }, 13},
        /* 15 */ {"Ctrl+Z", [&] { Keys({{'Z', VK_CONTROL}}); }, 0},
    };
    std::vector<PlayGrid> boards;
    for (const auto& row : rows) {
        row.input();
        const PlayGrid now = Board();
        if (row.sameAs == NewBoard) {
            EXPECT_NE(now, boards.empty() ? start : boards.back()) << boards.size() << " " << row.what;
        } else {
            EXPECT_EQ(now, row.sameAs == Start ? start : boards.at(std::size_t(row.sameAs)))
                << boards.size() << " " << row.what;
        }
        boards.push_back(now);
    }

    // Restart, New Game and Open begin a fresh history.
    const std::function<void()> freshStarts[] = {
        [&] {
            ModalDriver driver;
            driver.AnswerMessageBox(IDYES);
            Choose(Form1->Restart1);
        },
        [&] { NewGame(0); },
        [&] { OpenKnownGame(); },
    };
    for (const auto& freshStart : freshStarts) {
        TypeOnCell(a.x, a.y, L'1');
        freshStart();
        const PlayGrid fresh = Board();
        Keys({{'Z', VK_CONTROL}});
        EXPECT_EQ(Board(), fresh);
    }
}

// The arrows move the selection over the open cells, skipping givens and
// wrapping within the row or column; the first one selects the open cell
// nearest the centre. A typed digit goes into the cell chosen so, wherever
// the pointer is; Delete empties it.
TEST_F(Play, ArrowKeysMoveTheSelectionOverOpenCellsAndWrap)
{
    OpenKnownGame();
    MovePointerAway();
    ASSERT_EQ(Selected(), (CellPlace{0, 0}));
    const struct {
        WORD key;
        CellPlace selected;
        const char* what;
    } moves[] = {
        {VK_RIGHT, {5, 4}, "the first arrow: the centre is a given, the cell above it is nearest"},
        {VK_RIGHT, {6, 4}, "right"},
        {VK_RIGHT, {7, 4}, "right"},
        {VK_RIGHT, {2, 4}, "over (8, 4), (9, 4) and round the edge over (1, 4)"},
        {VK_LEFT, {7, 4}, "back the same way"},
        {VK_UP, {7, 3}, "up"},
        {VK_LEFT, {6, 3}, "left"},
        {VK_LEFT, {5, 3}, "left"},
        {VK_DOWN, {5, 4}, "down"},
        {VK_DOWN, {5, 6}, "over the centre"},
        {VK_DOWN, {5, 7}, "down"},
        {VK_DOWN, {5, 1}, "over (5, 8), (5, 9) and round the bottom"},
        {VK_UP, {5, 7}, "round the top the same way"},
        {VK_UP, {5, 6}, "up"},
    };
    for (const auto& move : moves) {
        Keys({{move.key}});
        EXPECT_EQ(Selected(), move.selected) << move.what;
        EXPECT_EQ(Bordered(), (std::vector<CellPlace>{move.selected})) << move.what;
    }

    // The pointer is far away; the keys write into the chosen cell.
    Keys({{'8'}});
    EXPECT_EQ(Cell(5, 6)->Caption(), L"8");
    Keys({{VK_DELETE}});
    EXPECT_EQ(Cell(5, 6)->Caption(), L"");
    EXPECT_EQ(Cell(5, 6)->value(), 0);

    // The pointer selects as ever: whichever moved last wins, and leaving a
    // cell clears the selection.
    MovePointerTo(*Cell(2, 8));
    EXPECT_EQ(Selected(), (CellPlace{2, 8}));
    EXPECT_EQ(Bordered(), (std::vector<CellPlace>{CellPlace{2, 8}}));
    Keys({{VK_UP}});
    EXPECT_EQ(Selected(), (CellPlace{2, 7}));
    EXPECT_EQ(Bordered(), (std::vector<CellPlace>{CellPlace{2, 7}}));
    MovePointerTo(*Cell(3, 8));
    EXPECT_EQ(Selected(), (CellPlace{3, 8}));
    EXPECT_EQ(Bordered(), (std::vector<CellPlace>{CellPlace{3, 8}}));
    Keys({{VK_LEFT}});
    MovePointerAway();
    EXPECT_EQ(Selected(), (CellPlace{0, 0}));
    EXPECT_TRUE(Bordered().empty());
    Keys({{'4'}});
    EXPECT_EQ(Cell(2, 8)->Caption(), L"") << "nothing selected, nothing typed in";
}

TEST_F(Play, KeysDoNothingBeforeTheFirstGame)
{
    Keys({{VK_RIGHT}, {VK_DELETE}, {'3', VK_CONTROL}});
    EXPECT_EQ(Selected(), (CellPlace{0, 0}));
    Choose(Form1->FillCandidates1);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            ASSERT_EQ(MarksAt(x, y), 0);
}

// With Highlight on, the selected cell's row, column and box are shaded in
// the skin's hover colour, cells of its digit in its pressed colour (and the
// marks of that digit on it), and a repeated digit turns orange. The red of
// the error check stays red.
TEST_F(Play, HighlightsShadeTheUnitsTheDigitItsMarksAndRepeats)
{
    OpenKnownGame();
    const COLORREF hover = Form1->velSkinEngine1->Look().GetSkinColor(SKIN2_TOOLBARONCOLOR);
    const COLORREF pressed = Form1->velSkinEngine1->Look().GetSkinColor(SKIN2_TOOLBARDOWNCOLOR);
    const auto pixel = [](int x, int y) {
        return orvane::test::ScreenPixel(Form1->stdsudoku1->Cells(x, y)->Handle(), POINT{3, 3});
    };

    // (2, 2) holds the given 7; (8, 9) gets a mark 7, (1, 9) a mark 3.
    MovePointerTo(*Cell(8, 9));
    Keys({{'7', VK_CONTROL}});
    MovePointerTo(*Cell(1, 9));
    Keys({{'3', VK_CONTROL}});
    ASSERT_EQ(KnownSolution(2, 2), 7);
    TypeOnCell(4, 5, L'7'); // the solution of (4, 5) is 8: the 7 repeats nothing yet
    EXPECT_EQ(Cell(2, 2)->Look(), TCellLook{}) << "highlights are off at a first start";
    EXPECT_EQ(pixel(4, 1), RGB(255, 255, 255));

    Choose(Form1->Highlight1);
    ASSERT_TRUE(Form1->Highlight1->Checked());
    MovePointerTo(*Cell(4, 5));
    PumpMessages();
    EXPECT_EQ(pixel(4, 1), hover) << "the column";
    EXPECT_EQ(pixel(9, 5), hover) << "the row";
    EXPECT_EQ(pixel(6, 6), hover) << "the box";
    EXPECT_EQ(pixel(4, 5), pressed) << "the selected cell shows the digit";
    EXPECT_EQ(pixel(2, 2), pressed) << "the given 7";
    EXPECT_EQ(pixel(8, 8), RGB(255, 255, 255)) << "nothing shared";
    EXPECT_EQ(Cell(8, 9)->Look().markedDigit, 7);
    EXPECT_EQ(Cell(1, 9)->Look().markedDigit, 0);
    EXPECT_EQ(Cell(2, 2)->Look().digitColor, clNone);

    // A 7 in (6, 2) repeats the given 7 of row 2: both turn orange, and a red
    // mark of the error check shows through the shading.
    TypeOnCell(6, 2, L'7');
    EXPECT_NE(Cell(6, 2)->Look().digitColor, clNone);
    EXPECT_EQ(Cell(2, 2)->Look().digitColor, Cell(6, 2)->Look().digitColor);
    EXPECT_NE(Cell(6, 2)->Look().digitColor, clRed);
    MovePointerTo(*Cell(6, 3));
    ModalDriver driver;
    Press(Form1->btcheck);
    EXPECT_EQ(pixel(6, 2), RGB(255, 0, 0)) << "the wrong 7, in the selected cell's box";

    // Off again, the board looks as at a first start.
    Choose(Form1->Highlight1);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            ASSERT_EQ(Cell(x, y)->Look(), TCellLook{}) << x << "," << y;
}

// The settings outlive the program; a damaged settings file gives the
// defaults, never stops the program and is replaced whole by the next save,
// which leaves no temporary file behind.
TEST_F(Play, SettingsAreKeptAndADamagedFileGivesTheDefaults)
{
    Choose(Form1->Highlight1);
    Choose(Form1->AutoCleanNotes1);
    EXPECT_EQ(ReadWholeFile(SettingsPath()), "Highlight=1\r\nAutoCleanNotes=0\r\n");
    Close();
    Launch();
    EXPECT_TRUE(Form1->Highlight1->Checked());
    EXPECT_FALSE(Form1->AutoCleanNotes1->Checked());
    EXPECT_FALSE(Form1->Notes1->Checked()) << "note mode is off at every start";

    const std::string damaged[] = {
        "Highlight=maybe\r\nAutoCleanNotes=0\r\n",
        "Highlight=1\r\nAutoClean",
        std::string("\0\0\xFF\xFE\x01garbage", 10),
        std::string(100000, 'x'),
    };
    const std::wstring dataFolder = DataFolderPath();
    for (const std::string& content : damaged) {
        Close();
        WriteWholeFile(SettingsPath(), content);
        Launch();
        EXPECT_FALSE(Form1->Highlight1->Checked()) << content.substr(0, 20);
        EXPECT_TRUE(Form1->AutoCleanNotes1->Checked()) << content.substr(0, 20);
        Choose(Form1->Highlight1);
        EXPECT_EQ(ReadWholeFile(SettingsPath()), "Highlight=1\r\nAutoCleanNotes=1\r\n");
    }
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(dataFolder)))
        EXPECT_TRUE(entry.is_directory() || entry.path().filename() == PlaySettingsFileName)
            << "left behind: " << entry.path().string();

    // A settings "file" that is a folder cannot be read or replaced: the
    // defaults hold, the change of a setting says why it was not kept, and
    // the game goes on.
    Close();
    DeleteFileW(SettingsPath().c_str());
    ASSERT_TRUE(CreateFolder(SettingsPath()));
    Launch();
    EXPECT_FALSE(Form1->Highlight1->Checked());
    {
        ModalDriver driver;
        driver.AnswerMessageBox(IDOK);
        Choose(Form1->Highlight1);
        PumpMessages();
        EXPECT_EQ(driver.MessageTexts().size(), 1u);
    }
    EXPECT_TRUE(Form1->Highlight1->Checked());
    NewGame(0);
    EXPECT_TRUE(Form1->stdsudoku1->Enabled());
    RemoveDirectoryW(SettingsPath().c_str());
}

} // namespace
} // namespace orvane::game::test
