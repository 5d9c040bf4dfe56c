#include "GameFixture.h"

#include "HandInput.h"

#include "FixedSeed.h"
#include "core/puzzle/PuzzleChoice.h"
#include "framework/FileAccess.h"
#include "framework/TApplication.h"
#include "game/DataFolder.h"
#include "game/Ufrmda.h"
#include "game/Ufrmtk.h"
#include "game/umyfun.h"

#include <tuple>

namespace orvane::game::test {
namespace {

using namespace framework;

TEST_F(Game, StartsWithADisabledBoardTheBareTitleAndItsFolders)
{
    EXPECT_EQ(orvane::test::WindowText(Form1->Handle()), L"Orvane Sudoku 1.0");
    EXPECT_FALSE(Form1->stdsudoku1->Enabled());
    EXPECT_FALSE(Form1->btcheck->Enabled());
    EXPECT_FALSE(Form1->btprint->Enabled());
    EXPECT_TRUE(Form1->btvisit->Enabled());
    EXPECT_TRUE(Form1->sz1->Down());
    for (TToolButton* other : {Form1->sz2, Form1->sz9, Form1->sz0})
        EXPECT_FALSE(other->Down());
    EXPECT_EQ(Form1->curlevel, 0);
    EXPECT_EQ(Form1->QJ1->GivensText(), std::string(81, '0'));

    const std::wstring dataFolder = DataFolderPath();
    ASSERT_FALSE(dataFolder.empty());
    EXPECT_EQ(dataFolder.substr(dataFolder.size() - 17), L"\\standard sudoku\\");
    EXPECT_TRUE(DirectoryExists(dataFolder));
    EXPECT_EQ(Form1->SavesFolder(), dataFolder + L"saves");
    EXPECT_TRUE(DirectoryExists(Form1->SavesFolder()));
    EXPECT_EQ(Form1->OpenDialog1->InitialDir(), Form1->SavesFolder());
    EXPECT_EQ(Form1->SaveDialog1->InitialDir(), Form1->SavesFolder());

    // The four windows, in creation order; only the main window is shown.
    ASSERT_EQ(Application->FormCount(), 4);
    EXPECT_EQ(Application->Forms(0), Form1);
    EXPECT_EQ(Application->Forms(1), frmtk);
    EXPECT_EQ(Application->Forms(2), frmda);
    EXPECT_EQ(Application->Forms(3), myfun);
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_FALSE(frmtk->Visible() || frmda->Visible() || myfun->Visible());
    for (int level = 0; level < 5; ++level)
        EXPECT_EQ(frmtk->LevelList(level)->LineCount(), 500) << level;
    EXPECT_EQ(frmtk->tk0_bk->LineCount(), 500);
    EXPECT_NE(SendMessageW(Form1->Handle(), WM_GETICON, ICON_BIG, 0), 0) << "the program icon";
}

// Every control of the game's layouts belongs to the window it stands on:
// the window finds it by name, frees it and finished its loading. A control
// that missed its owner would be neither freed nor skinned. (Unnamed controls
// are not the layout's: the skin's menu bar, say, goes with its window.)
TEST_F(Game, EveryControlIsOwnedByItsWindowAndLoaded)
{
    for (int index = 0; index < Application->FormCount(); ++index) {
        TCustomForm* form = Application->Forms(index);
        std::vector<TWinControl*> parents{form};
        while (!parents.empty()) {
            TWinControl* parent = parents.back();
            parents.pop_back();
            for (int child = 0; child < parent->ControlCount(); ++child) {
                TControl* control = parent->Controls(child);
                if (auto* container = As<TWinControl>(control))
                    parents.push_back(container);
                if (control->Name().empty())
                    continue;
                const std::wstring where = form->Name() + L"." + control->Name();
                EXPECT_EQ(control->Owner(), form) << where;
                EXPECT_EQ(form->FindComponent(control->Name()), control) << where;
                EXPECT_FALSE(control->IsLoading()) << where;
            }
        }
    }
}

TEST_F(Game, BeforeTheFirstGameClicksAndKeysDoNothing)
{
    const Snapshot before = Take();
    ClickCell(3, 3);
    ClickCell(4, 4, WM_RBUTTONDOWN);
    TypeOnCell(5, 5, L'7');
    EXPECT_EQ(Form1->selx, 0);
    EXPECT_EQ(Take(), before);
}

TEST_F(Game, BeforeTheFirstGameCheckErrorAndPrintShowTheirImagesGreyed)
{
    TToolBar& bar = *Form1->ToolBar1;
    const auto picture = [&](const TToolButton& button) {
        RECT rect = bar.ButtonRect(button);
        MapWindowPoints(bar.Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return orvane::test::ReadScreenPicture(rect);
    };
    orvane::test::MovePointerAway();
    const orvane::test::TScreenPicture checkBefore = picture(*Form1->btcheck);
    const orvane::test::TScreenPicture printBefore = picture(*Form1->btprint);
    EXPECT_GT(picture(*Form1->btvisit).colouredPixels, 0) << "Visit is enabled, in its colours";

    // A press on the greyed Print button under the real pointer prints nothing.
    RECT print = bar.ButtonRect(*Form1->btprint);
    MapWindowPoints(bar.Handle(), nullptr, reinterpret_cast<POINT*>(&print), 2);
    const POINT centre{(print.left + print.right) / 2, (print.top + print.bottom) / 2};
    orvane::test::RunMessageLoopWith({{0, [centre] { orvane::test::ClickAtScreen(centre); }}});
    EXPECT_TRUE(addresses.empty());
    const orvane::test::TScreenPicture printPressed = picture(*Form1->btprint);

    NewGame(0);
    orvane::test::MovePointerAway();
    const orvane::test::TScreenPicture checkAfter = picture(*Form1->btcheck);
    const orvane::test::TScreenPicture printAfter = picture(*Form1->btprint);
    EXPECT_GT(checkAfter.colouredPixels, 0) << "the green tick, once enabled";
    EXPECT_GT(printAfter.colouredPixels, 0) << "the printer's light, once enabled";
    for (const auto& [name, before, after] :
         {std::tuple{"Check Error", checkBefore, checkAfter}, std::tuple{"Print", printBefore, printAfter},
          std::tuple{"Print under the pointer", printPressed, printAfter}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(before.colouredPixels, 0) << "no colour while disabled";
        EXPECT_LT(before.contrast * 10, after.contrast * 6) << "and faded against the bar";
    }
}

TEST_F(Game, LaysOutTheMainWindowAsDesigned)
{
    HWND window = Form1->Handle();
    // The skinned menu bar stands at the top of a client area that much
    // taller than designed, and the design below it.
    TToolBar* menuBar = MenuBar();
    ASSERT_NE(menuBar, nullptr);
    const int barHeight = menuBar->Height();
    EXPECT_GE(barHeight, 18);
    EXPECT_EQ(GetMenu(window), nullptr) << "no system menu bar while skinned";
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 517);
    EXPECT_EQ(client.bottom, 484 + barHeight);
    EXPECT_EQ(menuBar->Top(), 0);
    EXPECT_EQ(menuBar->Width(), 517);
    // The skinned frame draws the title buttons itself: the window keeps its
    // minimize box but not the system's system-menu style while skinned.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(Form1->BorderIcons(), unsigned(biSystemMenu | biMinimize));
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE((style & WS_MAXIMIZEBOX) || (style & WS_THICKFRAME));

    const auto boundsIn = [](TControl* control) {
        return std::vector<int>{control->Left(), control->Top(), control->Width(), control->Height()};
    };
    EXPECT_EQ(boundsIn(Form1->Panel5), (std::vector<int>{0, barHeight, 473, 484}));
    EXPECT_EQ(boundsIn(Form1->Panel1), (std::vector<int>{1, 1, 471, 482}));
    EXPECT_EQ(boundsIn(Form1->stdsudoku1), (std::vector<int>{11, 16, 450, 450}));
    EXPECT_EQ(boundsIn(Form1->ToolBar1), (std::vector<int>{479, barHeight, 38, 484}));
    EXPECT_FALSE(Form1->Memo1->Visible() || Form1->QJ1->Visible());
    EXPECT_EQ(Form1->stdsudoku1->Tag(), 9999);
    EXPECT_EQ(Form1->ToolBar1->Tag(), 9999);

    // Thirteen buttons, one column, each 38 x 34, images as listed.
    ASSERT_EQ(Form1->ToolBar1->ButtonCount(), 13);
    const int images[] = {2, 3, 4, 6, 7, 8, 9, 10, 11, 5, 0, 12, 13};
    int top = -1;
    for (int i = 0; i < 13; ++i) {
        TToolButton* button = Form1->ToolBar1->Buttons(i);
        const RECT rect = Form1->ToolBar1->ButtonRect(*button);
        EXPECT_EQ(rect.left, 0) << i;
        EXPECT_EQ(rect.right - rect.left, 38) << i;
        EXPECT_EQ(rect.bottom - rect.top, 34) << i;
        EXPECT_GT(rect.top, top) << i;
        top = rect.top;
        EXPECT_EQ(button->ImageIndex(), images[i]) << i;
        EXPECT_EQ(button->Tag(), 9999) << i;
    }
    EXPECT_EQ(Form1->ImageList1->Count(), 14);
    EXPECT_EQ(Form1->btcheck->Hint(), L"Check Error");

    // The cells of the board and its lines (a thin line at 50, a thick one at 150).
    EXPECT_EQ(boundsIn(Form1->stdsudoku1->Cells(1, 1)), (std::vector<int>{2, 2, 48, 48}));
    EXPECT_EQ(boundsIn(Form1->stdsudoku1->Cells(9, 2)), (std::vector<int>{401, 51, 47, 48}));
    HWND board = Form1->stdsudoku1->Handle();
    EXPECT_EQ(orvane::test::ScreenPixel(board, POINT{25, 50}), RGB(0, 0, 0));
    EXPECT_EQ(orvane::test::ScreenPixel(board, POINT{25, 149}), RGB(0, 0, 0));
    EXPECT_EQ(orvane::test::ScreenPixel(board, POINT{25, 150}), RGB(0, 0, 0));
    EXPECT_EQ(orvane::test::ScreenPixel(board, POINT{25, 30}), RGB(255, 255, 255));

    // The menu bar: its items in order (Play, the game's own addition, after
    // the two of the design), and their drop-downs.
    ASSERT_EQ(menuBar->ButtonCount(), 3);
    EXPECT_EQ(menuBar->Buttons(0)->MenuItem(), Form1->NewGame1);
    EXPECT_EQ(menuBar->Buttons(1)->MenuItem(), Form1->Ab1);
    EXPECT_EQ(menuBar->Buttons(2)->MenuItem(), Form1->Play1);
    EXPECT_EQ(Form1->NewGame1->Caption(), L"New Game");
    EXPECT_EQ(Form1->Ab1->Caption(), L"Tools");
    const auto captionsOf = [](const TMenuItem* parent) {
        std::vector<std::wstring> captions;
        for (int i = 0; i < parent->Count(); ++i)
            captions.push_back(parent->Items(i)->Caption());
        return captions;
    };
    EXPECT_EQ(captionsOf(Form1->NewGame1),
              (std::vector<std::wstring>{L"Easy", L"Normal", L"Hard", L"Expert", L"Extreme", L"-", L"Quit"}));
    EXPECT_EQ(captionsOf(Form1->Ab1), (std::vector<std::wstring>{L"Open", L"Save", L"Restart", L"Show Solution",
                                                                   L"Print", L"-", L"Visit www.orvane.net"}));
}

TEST_F(Game, AltNOpensNewGameAndReturnRunsItsHighlightedItem)
{
    SetForegroundWindow(Form1->Handle());
    bool opened = false;
    orvane::test::RunMessageLoopWith({{0,
                                       [&opened] {
                                           using orvane::test::MenuHighlights;
                                           opened = orvane::test::PressKeySteps({{'N', MenuHighlights(0), VK_MENU},
                                                                                 {VK_DOWN, MenuHighlights(1)},
                                                                                 {VK_RETURN, orvane::test::MenuGone()}});
                                       }}},
                                     [&] { return Form1->curlevel == 1; });
    ASSERT_TRUE(opened) << "Alt+N opened New Game";
    EXPECT_EQ(Form1->curlevel, 1) << "Easy was highlighted first, then Normal";
    EXPECT_EQ(orvane::test::WindowText(Form1->Handle()), L"Orvane Sudoku 1.0 - Normal");
}

TEST_F(Game, F10ReturnAndALetterRunTheItemTheLetterNames)
{
    using orvane::test::BarHotButton;
    using orvane::test::KeyStep;
    using orvane::test::MenuGone;
    using orvane::test::MenuHighlights;
    using orvane::test::PumpMessages;
    SetForegroundWindow(Form1->Handle());
    PumpMessages();
    ASSERT_NE(MenuBar(), nullptr);
    HWND bar = MenuBar()->Handle();
    const auto play = [](std::vector<KeyStep> steps) {
        bool held = false;
        orvane::test::RunMessageLoopWith({{0, [&] { held = orvane::test::PressKeySteps(steps); }}});
        PumpMessages();
        return held;
    };

    // New Game opens with Easy highlighted: Easy 0, Normal 1, Hard 2,
    // Expert 3, Extreme 4, a line, Quit.
    const wchar_t* const names[] = {L"Easy", L"Normal", L"Hard", L"Expert", L"Extreme"};
    struct Case {
        const char* what;
        std::vector<KeyStep> steps;
        int level;
    };
    const std::vector<Case> cases{
        {"H runs Hard", {{'H', MenuGone()}}, 2},
        {"E highlights the next level with that letter", {{'E', MenuHighlights(3)}, {VK_RETURN, MenuGone()}}, 3},
        {"E again, the one after",
         {{'E', MenuHighlights(3)}, {'E', MenuHighlights(4)}, {VK_RETURN, MenuGone()}},
         4},
        {"N runs Normal", {{'N', MenuGone()}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<KeyStep> steps{{VK_F10, BarHotButton(bar, 0)}, {VK_RETURN, MenuHighlights(0)}};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        EXPECT_TRUE(play(steps)) << "every step showed what it waits for";
        EXPECT_EQ(Form1->curlevel, c.level);
        EXPECT_EQ(orvane::test::WindowText(Form1->Handle()), std::wstring(L"Orvane Sudoku 1.0 - ") + names[c.level]);
    }

    // Tools: V runs Visit.
    EXPECT_TRUE(play({{VK_F10, BarHotButton(bar, 0)},
                      {VK_RIGHT, BarHotButton(bar, 1)},
                      {VK_RETURN, MenuHighlights(0)},
                      {'V', MenuGone()}}));
    EXPECT_EQ(addresses, (std::vector<std::wstring>{L"http://www.orvane.net"}));
}

TEST_F(Game, NewGameDrawsFromTheLevelsListAndShowsIt)
{
    const wchar_t* const names[] = {L"Easy", L"Normal", L"Hard", L"Expert", L"Extreme"};
    orvane::test::FixedSeed seed(0x2468ACE1u);
    for (int level = 0; level < 5; ++level) {
        seed.Set(0x1234567u * std::uint32_t(level + 1));
        NewGame(level);

        // The same seed picks the same line and varies it the same way.
        PuzzlePosition expected;
        expected.LoadPuzzle(PickPuzzleText(PuzzleLines(*frmtk->LevelList(level))));

        EXPECT_EQ(orvane::test::WindowText(Form1->Handle()), std::wstring(L"Orvane Sudoku 1.0 - ") + names[level]);
        EXPECT_EQ(Form1->curlevel, level);
        EXPECT_TRUE(Form1->stdsudoku1->Enabled());
        EXPECT_TRUE(Form1->btcheck->Enabled());
        EXPECT_TRUE(Form1->btprint->Enabled());
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const TNode& record = expected.Node(x, y);
                ASSERT_EQ(Form1->QJ1->Node(x, y).solution, record.solution);
                ASSERT_EQ(Form1->QJ1->Node(x, y).given, record.given);
                const TCell* cell = Cell(x, y);
                EXPECT_EQ(cell->value(), record.solution);
                EXPECT_EQ(cell->Caption(), record.given ? std::to_wstring(record.solution) : L"");
                EXPECT_EQ(cell->Enabled(), !record.given);
                EXPECT_EQ(cell->Font().Color(), record.given ? clBlack : clBlue);
                EXPECT_EQ(cell->Color(), clWhite);
            }
    }
}

TEST_F(Game, QuitAsksAndEndsTheProgramOnlyOnYes)
{
    NewGame(1);
    const Snapshot before = Take();
    {
        orvane::test::ModalDriver driver;
        driver.AnswerMessageBox(IDNO);
        Choose(Form1->Quit1);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"Do you really want to exit?"}));
    }
    EXPECT_EQ(Take(), before);
    MSG quit{};
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    orvane::test::ModalDriver driver;
    driver.AnswerMessageBox(IDYES);
    // The menu's loop ends with the choice; the program's loop would end on
    // the quit message, which the test takes itself before any loop reads it.
    orvane::test::ChooseFromMenuBar(*MenuBar(), *Form1->Quit1);
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
} // namespace orvane::game::test
