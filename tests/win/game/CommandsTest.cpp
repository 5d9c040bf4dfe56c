#include "GameFixture.h"

#include "FixedSeed.h"
#include "HandInput.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TApplication.h"
#include "game/Ufrmda.h"
#include "skin/TvelSkinWindow.h"

#include <functional>

namespace orvane::game::test {
namespace {

using namespace framework;
using orvane::test::ModalDriver;

TEST_F(Game, RestartOnYesEmptiesTheOpenCellsAndOnNoChangesNothing)
{
    NewGame(3);
    const POINT open = FirstOpenCell();
    TypeOnCell(open.x, open.y, L'1');
    TypeOnCell(FirstOpenCell(1).x, FirstOpenCell(1).y, L'2');
    orvane::test::MovePointerAway();
    Press(Form1->btcheck);
    const Snapshot entered = Take();
    {
        ModalDriver driver;
        driver.AnswerMessageBox(IDNO);
        Choose(Form1->Restart1);
        EXPECT_EQ(driver.MessageTexts(),
                  (std::vector<std::wstring>{L"Are you sure you want to reset this game to the initial state?"}));
    }
    EXPECT_EQ(Take(), entered);

    ModalDriver driver;
    driver.AnswerMessageBox(IDYES);
    Choose(Form1->Restart1);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const TNode& record = Form1->QJ1->Node(x, y);
            EXPECT_EQ(Cell(x, y)->Caption(), record.given ? std::to_wstring(record.solution) : L"");
            EXPECT_EQ(Cell(x, y)->value(), record.solution);
            EXPECT_EQ(Cell(x, y)->Color(), clWhite);
        }
    EXPECT_EQ(Form1->Caption(), entered.caption);
    EXPECT_EQ(Take().solutions, entered.solutions) << "the puzzle is not varied again";
}

TEST_F(Game, TheRestartQuestionIsAnsweredOnlyByYesOrNo)
{
    // The question has no Cancel: Escape, Alt+F4 and its close button, which
    // is drawn disabled, do nothing, and the player's digits stay until Yes.
    NewGame(1);
    TypeOnCell(FirstOpenCell().x, FirstOpenCell().y, L'1');
    TypeOnCell(FirstOpenCell(1).x, FirstOpenCell(1).y, L'2');
    orvane::test::MovePointerAway();
    const Snapshot entered = Take();
    skin::TvelSkinEngine& engine = *Form1->velSkinEngine1;
    const auto clickClose = [&engine](HWND box) {
        const Bitmap* strip = engine.Look().Reader().GetBitmap(SKIN2_TITLEBUTTONS);
        const int width = strip->Width() / 18;
        RECT bounds{};
        GetWindowRect(box, &bounds);
        orvane::test::ClickAtScreen(POINT{bounds.right - engine.Look().Metrics().buttonX - width / 2,
                                          bounds.top + engine.Look().Metrics().buttonY + strip->Height() / 2});
    };
    struct Case {
        const char* name;
        std::function<void(HWND)> input;
        bool resets;
    };
    for (const Case& c : {
             Case{"Escape", [](HWND) { orvane::test::PressKey(VK_ESCAPE); }, false},
             Case{"close button", clickClose, false},
             Case{"Alt+F4", [](HWND) { orvane::test::PressKey(VK_F4, VK_MENU); }, false},
             Case{"No", [](HWND) { orvane::test::PressKey('N'); }, false},
             Case{"Yes", [](HWND) { orvane::test::PressKey('Y'); }, true},
         }) {
        ModalDriver driver;
        driver.HandleMessageBox([&](HWND box) {
            skin::TvelSkinWindow* frame = engine.FindWindowObject(box);
            if (!frame || !frame->Initialized())
                return false;
            c.input(box);
            // Whatever the box ignored, No answers it.
            orvane::test::PressKey('N');
            return true;
        });
        Choose(Form1->Restart1);
        orvane::test::PumpMessages();
        EXPECT_TRUE(driver.Failures().empty()) << c.name;
        EXPECT_EQ(driver.MessageTexts(),
                  (std::vector<std::wstring>{L"Are you sure you want to reset this game to the initial state?"}))
            << c.name;
        if (!c.resets) {
            EXPECT_EQ(Take().texts, entered.texts) << c.name << ": the digits stay";
            continue;
        }
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                if (!Form1->QJ1->Node(x, y).given) {
                    EXPECT_EQ(Cell(x, y)->Caption(), L"") << c.name << " " << x << "," << y;
                }
            }
    }
}

TEST_F(Game, ShowSolutionShowsEveryDigitInAModalWindow)
{
    NewGame(4);
    const POINT open = FirstOpenCell();
    TypeOnCell(open.x, open.y, L'9');
    const Snapshot before = Take();
    {
        ModalDriver driver;
        driver.AnswerMessageBox(IDNO);
        Choose(Form1->ShowSolution1);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"Are you sure you want to see the solution?"}));
        EXPECT_TRUE(driver.Failures().empty()) << "no solution window on No";
    }

    bool inspected = false;
    ModalDriver driver;
    driver.AnswerMessageBox(IDYES);
    driver.CloseWindow(L"Tfrmda", [&](HWND window) {
        inspected = true;
        EXPECT_EQ(orvane::test::WindowText(window), L"Solution");
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 474);
        EXPECT_EQ(client.bottom, 466);
        EXPECT_FALSE(IsWindowEnabled(Form1->Handle())) << "the main window waits";
        Tstdsudoku* board = frmda->stdsudoku1;
        EXPECT_EQ(board->Left(), 12);
        EXPECT_EQ(board->Top(), 8);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const TNode& record = Form1->QJ1->Node(x, y);
                EXPECT_EQ(board->Cells(x, y)->Caption(), std::to_wstring(record.solution));
                EXPECT_EQ(board->Cells(x, y)->Font().Color(), record.given ? clBlack : clBlue);
            }
    });
    Choose(Form1->ShowSolution1);
    EXPECT_TRUE(inspected);
    EXPECT_TRUE(driver.Failures().empty());
    EXPECT_FALSE(frmda->Visible());
    EXPECT_TRUE(IsWindowEnabled(Form1->Handle()));
    EXPECT_EQ(Take(), before) << "the game goes on as it was";
}

TEST_F(Game, PrintSendsTheGivensRowByRowAndVisitTheSite)
{
    NewGame(0);
    // A known position: the test's solution grid with givens on the diagonal
    // and in row 1.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            TNode& record = Form1->QJ1->Node(x, y);
            record.solution = orvane::test::KnownSolutionRows[y - 1][x - 1] - '0';
            record.given = x == y || y == 1;
        }
    const std::string expected = "534678912"
                                 "070000000"
                                 "008000000"
                                 "000700000"
                                 "000050000"
                                 "000004000"
                                 "000000200"
                                 "000000030"
                                 "000000009";
    TypeOnCell(FirstOpenCell().x, FirstOpenCell().y, L'4'); // entries do not matter
    Press(Form1->btprint);
    Choose(Form1->Print1);
    Press(Form1->btvisit);
    Choose(Form1->VisitOrvanenet1);
    const std::wstring print = L"http://print.orvane.net/j/printsudoku.php?tm=" + std::wstring(expected.begin(), expected.end());
    EXPECT_EQ(addresses, (std::vector<std::wstring>{print, print, L"http://www.orvane.net", L"http://www.orvane.net"}));
}

} // namespace
} // namespace orvane::game::test
