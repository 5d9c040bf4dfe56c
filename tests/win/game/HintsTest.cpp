#include "GameFixture.h"

#include "HandInput.h"

#include "core/grader/BitSolver.h"
#include "framework/FileAccess.h"
#include "framework/TApplication.h"

namespace orvane::game::test {
namespace {

using namespace framework;
using orvane::test::ModalDriver;
using orvane::test::MovePointerAway;
using orvane::test::MovePointerTo;
using orvane::test::PumpMessages;

// A puzzle that hidden and naked singles solve, row by row; its first hint
// is the hidden single of row 1: the 1 at row 1, column 6.
constexpr char SinglesOnly[] = "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";
constexpr int HintColumn = 6;
constexpr int HintRow = 1;
constexpr int HintDigit = 1;

class Hints : public Game {
protected:
    void TearDown() override
    {
        for (const std::wstring& path : files)
            DeleteFileW(path.c_str());
        Game::TearDown();
    }

    // Opens the puzzle as a saved game with nothing entered.
    void OpenPuzzle(const char* rows)
    {
        const grader::Grid givens = *grader::ParseRowText(rows);
        std::vector<grader::Grid> solutions;
        ASSERT_EQ(grader::EnumerateSolutions(givens, 2, solutions), 1);
        std::string solutionLine, givenLine, boardLine;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int cell = 9 * (y - 1) + (x - 1);
                solutionLine += char('0' + solutions.front()[std::size_t(cell)]);
                givenLine += givens[std::size_t(cell)] ? '1' : '0';
                boardLine += char('0' + givens[std::size_t(cell)]);
            }
        files.push_back(SavePath(L"hint game.std"));
        WriteWholeFile(files.back(), solutionLine + "\r\n" + givenLine + "\r\n" + boardLine + "\r\n2\r\n");
        Form1->OpenSavedGame(files.back());
        PumpMessages();
    }

    // Ctrl+H as the hand presses it, with the main window in front, and the
    // program's loop until the hint has answered.
    void PressHint()
    {
        SetForegroundWindow(Form1->Handle());
        const int pressBefore = Form1->HintPress();
        orvane::test::PressKey('H', VK_CONTROL);
        ASSERT_TRUE(LoopUntil([&] { return Form1->HintPress() != pressBefore; })) << "the hint never answered";
        PumpMessages();
    }

    std::wstring PanelText() const { return Form1->HintPanel() ? Form1->HintPanel()->Text() : L""; }
    bool PanelShown() const { return Form1->HintPanel() && IsWindowVisible(Form1->HintPanel()->Handle()); }

    std::vector<std::wstring> files;
};

// Three presses: the technique and its region shaded; the cell and its
// candidate; the digit placed, one step that Ctrl+Z takes back. The hint's
// window covers none of the cells it shows, takes no activation, and the
// main window keeps its size; no character of the short-cut reaches the
// board.
TEST_F(Hints, ThreePressesNameTheRegionShowTheCellAndPlaceTheDigit)
{
    OpenPuzzle(SinglesOnly);
    const RECT clientBefore = [] {
        RECT rect{};
        GetClientRect(Form1->Handle(), &rect);
        return rect;
    }();
    Cell(9, 9)->SetColor(clRed); // the error check's red stays: no character was typed

    PressHint();
    EXPECT_EQ(Form1->HintPress(), 1);
    ASSERT_TRUE(PanelShown());
    EXPECT_EQ(PanelText(), L"Hidden single in row 1.");
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            EXPECT_EQ(Cell(x, y)->Look().shade != clNone, y == HintRow) << x << "," << y;
    EXPECT_EQ(GetForegroundWindow(), Form1->Handle()) << "the hint window took the activation";

    PressHint();
    EXPECT_EQ(Form1->HintPress(), 2);
    EXPECT_EQ(PanelText(), L"In row 1, the 1 fits only in r1c6. So r1c6 is 1.");
    EXPECT_EQ(Cell(HintColumn, HintRow)->Look().hintMarks, MarkOf(HintDigit));
    EXPECT_EQ(Cell(HintColumn, HintRow)->Caption(), L"") << "not placed before the third press";
    EXPECT_EQ(Cell(9, 9)->Color(), clRed) << "Ctrl+H reached the board as a character";
    RECT panel{};
    GetWindowRect(Form1->HintPanel()->Handle(), &panel);
    for (int x = 1; x <= 9; ++x) {
        RECT cell{}, overlap{};
        GetWindowRect(Cell(x, HintRow)->Handle(), &cell);
        EXPECT_FALSE(IntersectRect(&overlap, &panel, &cell)) << "the hint window covers r1c" << x;
    }

    PressHint();
    EXPECT_EQ(Form1->HintPress(), 0) << "carried out, the hint is over";
    EXPECT_EQ(Cell(HintColumn, HintRow)->Caption(), L"1");
    EXPECT_EQ(PanelText(), L"Done: r1c6 is 1.");
    for (int x = 1; x <= 9; ++x)
        EXPECT_EQ(Cell(x, HintRow)->Look(), TCellLook{}) << x;
    EXPECT_EQ(Cell(9, 9)->Color(), clWhite) << "a digit placed clears the red, as an entry does";
    RECT clientAfter{};
    GetClientRect(Form1->Handle(), &clientAfter);
    EXPECT_TRUE(EqualRect(&clientBefore, &clientAfter)) << "the main window's size changed";

    SetForegroundWindow(Form1->Handle());
    orvane::test::PressKey('Z', VK_CONTROL);
    PumpMessages();
    EXPECT_EQ(Cell(HintColumn, HintRow)->Caption(), L"") << "the third press is one step of the history";
    EXPECT_FALSE(PanelShown()) << "a change of the board ends the hint";

    // A fresh hint after the undo starts at its first press again.
    PressHint();
    EXPECT_EQ(PanelText(), L"Hidden single in row 1.");
}

// A wrong digit comes first: the hint says so and points at it, and its
// second press takes it out, one step of the history.
TEST_F(Hints, AWrongDigitIsPointedAtAndTakenOut)
{
    OpenPuzzle(SinglesOnly);
    // Row 2, column 2 is open; its solution is not 5 (row 2 holds a given 5).
    ASSERT_FALSE(Form1->QJ1->Node(2, 2).given);
    ASSERT_NE(SolutionAt(2, 2), 5);
    TypeOnCell(2, 2, L'5');
    MovePointerAway();

    PressHint();
    EXPECT_EQ(PanelText(), L"The 5 in r2c2 is wrong.");
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            EXPECT_EQ(Cell(x, y)->Look().shade != clNone, x == 2 && y == 2) << x << "," << y;

    PressHint();
    EXPECT_EQ(Cell(2, 2)->Caption(), L"");
    EXPECT_EQ(PanelText(), L"Done: the 5 in r2c2 is taken out.");
    SetForegroundWindow(Form1->Handle());
    orvane::test::PressKey('Z', VK_CONTROL);
    PumpMessages();
    EXPECT_EQ(Cell(2, 2)->Caption(), L"5");
}

} // namespace
} // namespace orvane::game::test
