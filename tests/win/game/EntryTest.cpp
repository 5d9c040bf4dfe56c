#include "GameFixture.h"

#include "HandInput.h"

#include "framework/TApplication.h"

#include "FixedSeed.h"

namespace orvane::game::test {
namespace {

using namespace framework;
using orvane::test::ClickAtScreen;
using orvane::test::ModalDriver;
using orvane::test::MovePointerAway;
using orvane::test::MovePointerTo;

// A digit that is not the solution of a cell.
int WrongDigit(int solution) { return solution % 9 + 1; }

TEST_F(Game, TheSelectionFollowsThePointerOverOpenCellsOnly)
{
    NewGame(0);
    const POINT open = FirstOpenCell();
    const POINT next = FirstOpenCell(1);
    MovePointerTo(*Cell(open.x, open.y));
    EXPECT_EQ(Form1->selx, open.x);
    EXPECT_EQ(Form1->sely, open.y);
    EXPECT_EQ(Cell(open.x, open.y)->BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_TRUE(GetWindowLongW(Cell(open.x, open.y)->Handle(), GWL_STYLE) & WS_BORDER);

    MovePointerTo(*Cell(next.x, next.y));
    EXPECT_EQ(Cell(open.x, open.y)->BorderStyle(), TBorderStyle::bsNone);
    EXPECT_FALSE(GetWindowLongW(Cell(open.x, open.y)->Handle(), GWL_STYLE) & WS_BORDER);
    EXPECT_EQ(Form1->selx, next.x);

    // A given takes no pointer events: moving onto one leaves nothing selected.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (Form1->QJ1->Node(x, y).given) {
                MovePointerTo(*Cell(x, y));
                EXPECT_EQ(Form1->selx, 0);
                EXPECT_EQ(Form1->sely, 0);
                return;
            }
    ADD_FAILURE() << "an Easy game without givens";
}

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// Waits, on the hand's thread, until the drop-down menu is open and shows
// the item, as a player looks before clicking; a loaded machine may take a
// while to show it. Where the item stands then, or an empty rectangle.
RECT WaitForItem(const TMenuItem& item)
{
    RECT rect{};
    if (orvane::test::WaitUntil(orvane::test::MenuShown()))
        orvane::test::WaitUntil([&] { return !IsRectEmpty(&(rect = orvane::test::OpenMenuItemRect(item))); });
    return rect;
}

// New Game > Extreme chosen with the mouse: the drop-down closes over a cell,
// and no pointer move reaches that cell. The pointer then goes far from the
// window and "5" is typed: the cell must have heard the pointer leave, so the
// digit lands nowhere. The input comes from another thread, as a player's
// does, while the program runs its own message loop.
TEST_F(Game, ADigitTypedWithThePointerOutsideTheWindowLandsNowhere)
{
    HWND window = Form1->Handle();
    const POINT barItem = MenuBarButtonCentre(Form1->NewGame1);

    // Where the Extreme item lies when its menu is open, and the cell below it.
    POINT extreme{};
    bool opened = false;
    orvane::test::RunMessageLoopWith({{0, [&] {
                                           ClickAtScreen(barItem);
                                           const RECT shown = WaitForItem(*Form1->Extreme1);
                                           opened = !IsRectEmpty(&shown);
                                           extreme = Centre(shown);
                                           ClickAtScreen(barItem);
                                           orvane::test::WaitForWindowGone(L"#32768");
                                       }}});
    ASSERT_TRUE(opened) << "the New Game menu opened";
    POINT client = extreme;
    ScreenToClient(Form1->stdsudoku1->Handle(), &client);
    HWND under = ChildWindowFromPoint(Form1->stdsudoku1->Handle(), client);
    POINT below{0, 0};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (Cell(x, y)->Handle() == under)
                below = POINT{x, y};
    ASSERT_NE(below.x, 0) << "the Extreme item lies over a cell";

    // A seed whose Extreme game leaves that cell open.
    orvane::test::FixedSeed seed(1);
    std::uint32_t chosen = 1;
    for (; chosen < 1000; ++chosen) {
        seed.Set(chosen);
        NewGame(4);
        if (!Form1->QJ1->Node(below.x, below.y).given)
            break;
    }
    seed.Set(chosen);
    NewGame(0);

    // The player chooses Extreme, moves the pointer away, waits until the
    // program has taken that in and types; the loop runs on meanwhile.
    orvane::test::RunMessageLoopWith({{0, [&] {
                                           ClickAtScreen(barItem);
                                           WaitForItem(*Form1->Extreme1);
                                           ClickAtScreen(extreme);
                                           orvane::test::WaitForWindowGone(L"#32768");
                                       }}},
                                     [&] { return Form1->curlevel == 4; });
    orvane::test::RunMessageLoopWith({{0, [] {
                                           SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2,
                                                        GetSystemMetrics(SM_CYSCREEN) - 2);
                                       }}},
                                     [&] { return orvane::test::NothingWaiting() && Form1->selx == 0; });
    orvane::test::RunMessageLoopWith(
        {{0, [&] { PostMessageW(GetFocus() ? GetFocus() : window, WM_CHAR, L'5', 1); }}});
    ASSERT_EQ(Form1->curlevel, 4) << "Extreme was chosen with the mouse";
    ASSERT_FALSE(Form1->QJ1->Node(below.x, below.y).given);
    TCell* cell = Cell(below.x, below.y);
    EXPECT_EQ(cell->Caption(), L"") << "the digit landed in the cell the pointer had left";
    EXPECT_EQ(Form1->selx, 0);
    EXPECT_EQ(cell->BorderStyle(), TBorderStyle::bsNone) << "no selection border stays behind";
}

TEST_F(Game, MouseAndKeysWriteDigitsAndClearTheMarks)
{
    NewGame(1);
    const POINT cell = FirstOpenCell();
    const POINT other = FirstOpenCell(1);
    TCell* target = Cell(cell.x, cell.y);

    const struct {
        const char* what;
        std::function<void()> entry;
        std::wstring shown;
        int value;
        bool clearsMarks = true;
    } entries[] = {
        {"left click with 5 chosen", [&] { Press(Form1->sz5); ClickCell(cell.x, cell.y); }, L"5", 5},
        {"left click replaces the digit", [&] { Press(Form1->sz8); ClickCell(cell.x, cell.y); }, L"8", 8},
        {"right click empties", [&] { ClickCell(cell.x, cell.y, WM_RBUTTONDOWN); }, L"", 0},
        {"a typed digit", [&] { TypeOnCell(cell.x, cell.y, L'3'); }, L"3", 3},
        {"the eraser", [&] { Press(Form1->sz0); ClickCell(cell.x, cell.y); }, L"", 0},
        {"a typed 0 writes nothing", [&] { TypeOnCell(cell.x, cell.y, L'0'); }, L"", 0},
        {"a double click writes like a click", [&] {
             Press(Form1->sz2);
             MovePointerTo(*target);
             orvane::test::Click(target->Handle(), POINT{20, 20}, WM_LBUTTONDBLCLK);
         }, L"2", 2},
        {"a middle click does nothing", [&] { ClickCell(cell.x, cell.y, WM_MBUTTONDOWN); }, L"2", 2, false},
    };
    for (const auto& entry : entries) {
        // A red mark elsewhere is cleared by every entry.
        Cell(other.x, other.y)->SetColor(clRed);
        ModalDriver driver; // no box may come: the board is not solved
        entry.entry();
        EXPECT_EQ(target->Caption(), entry.shown) << entry.what;
        EXPECT_EQ(target->value(), entry.value) << entry.what;
        EXPECT_EQ(target->Font().Color(), clBlue) << entry.what;
        EXPECT_EQ(Cell(other.x, other.y)->Color(), entry.clearsMarks ? clWhite : clRed) << entry.what;
        EXPECT_TRUE(driver.Failures().empty()) << entry.what;
    }
    EXPECT_TRUE(Form1->sz2->Down());
    EXPECT_FALSE(Form1->sz0->Down());
}

TEST_F(Game, KeysAwayFromAnOpenCellDoNothingAtAll)
{
    NewGame(0);
    const POINT open = FirstOpenCell();
    Cell(open.x, open.y)->SetColor(clRed);
    MovePointerAway();
    Type(L'4');
    EXPECT_EQ(Cell(open.x, open.y)->Color(), clRed) << "not even the marks go";
    EXPECT_EQ(Cell(open.x, open.y)->Caption(), L"");
}

TEST_F(Game, CompletingTheBoardSaysPuzzleSolvedAfterEveryLaterEntry)
{
    NewGame(0);
    std::vector<POINT> open;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!Form1->QJ1->Node(x, y).given)
                open.push_back(POINT{x, y});
    ASSERT_GE(open.size(), 2u);
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        TypeOnCell(open[i].x, open[i].y, wchar_t(L'0' + SolutionAt(open[i].x, open[i].y)));

    // The last open cell: a right click fills nothing and says nothing; the
    // entry that completes the board says it is solved.
    const POINT last = open.back();
    {
        ModalDriver driver;
        ClickCell(last.x, last.y, WM_RBUTTONDOWN);
        EXPECT_TRUE(driver.Failures().empty());
        driver.AnswerMessageBox(IDOK);
        TypeOnCell(last.x, last.y, wchar_t(L'0' + SolutionAt(last.x, last.y)));
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"Puzzle solved"}));
    }
    {
        ModalDriver driver;
        driver.AnswerMessageBox(IDOK);
        TypeOnCell(last.x, last.y, L'z'); // changes nothing, tests again
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"Puzzle solved"}));
    }
    EXPECT_TRUE(Form1->stdsudoku1->Enabled()) << "the game goes on";
    {
        ModalDriver driver; // the eraser empties the cell: the test stays silent
        Press(Form1->sz0);
        ClickCell(last.x, last.y);
        EXPECT_TRUE(driver.Failures().empty());
    }
}

TEST_F(Game, CheckErrorPaintsExactlyTheWrongCells)
{
    NewGame(2);
    const POINT wrong1 = FirstOpenCell(0);
    const POINT right = FirstOpenCell(1);
    const POINT wrong2 = FirstOpenCell(2);
    const POINT cleared = FirstOpenCell(3);
    TypeOnCell(wrong1.x, wrong1.y, wchar_t(L'0' + WrongDigit(SolutionAt(wrong1.x, wrong1.y))));
    TypeOnCell(right.x, right.y, wchar_t(L'0' + SolutionAt(right.x, right.y)));
    TypeOnCell(wrong2.x, wrong2.y, wchar_t(L'0' + WrongDigit(SolutionAt(wrong2.x, wrong2.y))));
    ClickCell(cleared.x, cleared.y, WM_RBUTTONDOWN);
    MovePointerAway();

    for (int round = 0; round < 2; ++round) { // twice: the same marks, no message
        ModalDriver driver;
        Press(Form1->btcheck);
        EXPECT_TRUE(driver.Failures().empty());
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const bool isWrong = (x == wrong1.x && y == wrong1.y) || (x == wrong2.x && y == wrong2.y);
                EXPECT_EQ(Cell(x, y)->Color(), isWrong ? clRed : clWhite) << x << "," << y;
            }
    }
    EXPECT_EQ(orvane::test::ScreenPixel(Cell(wrong1.x, wrong1.y)->Handle(), POINT{3, 3}), RGB(255, 0, 0));

    // The next entry anywhere clears the marks; with the wrong digits gone the
    // board is OK so far.
    ClickCell(wrong1.x, wrong1.y, WM_RBUTTONDOWN);
    ClickCell(wrong2.x, wrong2.y, WM_RBUTTONDOWN);
    EXPECT_EQ(Cell(wrong2.x, wrong2.y)->Color(), clWhite);
    MovePointerAway();
    ModalDriver driver;
    driver.AnswerMessageBox(IDOK);
    Press(Form1->btcheck);
    EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"Sudoku is OK so far.."}));
}

} // namespace
} // namespace orvane::game::test
