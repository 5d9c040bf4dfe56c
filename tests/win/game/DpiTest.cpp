#include "GameFixture.h"
#include "TestDpi.h"

#include "core/base/DpiScale.h"
#include "core/puzzle/BoardGeometry.h"
#include "framework/GdiOwners.h"
#include "framework/WindowDpi.h"
#include "game/GameResources.h"
#include "game/Ufrmda.h"

#include <commctrl.h>

namespace orvane::game::test {
namespace {

using namespace framework;
using orvane::test::ExpectedTestDpi;
using orvane::test::SendDpiChanged;
using orvane::test::ModalDriver;
using orvane::test::PumpMessages;
using orvane::test::ScreenPixel;

// Sizes of the main window's layout at 96 DPI.
constexpr int MainClientWidth = 517;
constexpr int MainClientHeight = 484;
constexpr int ToolButtonWidth = 38;
constexpr int ToolButtonHeight = 34;
constexpr int CellFontPoints = 16;

// The tool bar images for `dpi`: the largest drawn size not larger than 24
// pixels scaled (at 180 DPI, 42 for 45).
int DrawnToolImageExtent(unsigned dpi)
{
    int extent = 0;
    for (const TSizedToolBarImages& images : SizedToolBarImages)
        if (images.extent <= ScaleForDpi(24, dpi))
            extent = images.extent;
    return extent;
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// The main window's client area at `dpi`: the skin's menu bar stands in it,
// above the panel of the board, which takes the designed height.
void ExpectClientAt(unsigned dpi)
{
    const SIZE client = ClientSize(Form1->Handle());
    EXPECT_NEAR(client.cx, MainClientWidth * double(dpi) / DefaultDpi, 1);
    EXPECT_NEAR(Form1->Panel5->Height(), MainClientHeight * double(dpi) / DefaultDpi, 1);
    EXPECT_EQ(client.cy - Form1->Panel5->Top(), Form1->Panel5->Height());
}

// The board of `dpi`: its size, its cells and the lines between them, and
// digits that fit their cells in the cells' font.
void ExpectBoardAt(Tstdsudoku& board, unsigned dpi)
{
    EXPECT_NEAR(board.Width(), BoardPixels * double(dpi) / DefaultDpi, 1);
    EXPECT_NEAR(board.Height(), BoardPixels * double(dpi) / DefaultDpi, 1);
    const int pitch = CellPitch(BoardPixels);
    for (int index = 1; index <= BoardCells; ++index) {
        const TCell* cell = board.Cells(index, index);
        EXPECT_EQ(cell->Left(), ScaleForDpi(CellStart(index, pitch), dpi)) << "column " << index;
        EXPECT_EQ(cell->Left() + cell->Width(), ScaleForDpi(CellStart(index, pitch) + CellExtent(index, pitch), dpi));
        EXPECT_EQ(cell->Font().Height(), -MulDiv(CellFontPoints, int(dpi), 72));
    }
    // Every digit, in the cells' bold font, fits inside a cell.
    const TCell* cell = board.Cells(BoardCells, BoardCells);
    const TClientDC screen(nullptr);
    const TSavedDCState state(screen.Handle());
    SelectObject(screen.Handle(), cell->Font().Handle());
    for (wchar_t digit = L'1'; digit <= L'9'; ++digit) {
        SIZE extent{};
        GetTextExtentPoint32W(screen.Handle(), &digit, 1, &extent);
        EXPECT_LT(extent.cx, cell->Width()) << char(digit);
        EXPECT_LT(extent.cy, cell->Height()) << char(digit);
    }
    // The box lines show in the gaps between the cells, as thick as the
    // scaled pen makes them.
    const int boxLine = ScaleForDpi(GridLinePosition(BoxCells + 1, pitch), dpi);
    const int middle = board.Cells(1, 1)->Top() + board.Cells(1, 1)->Height() / 2;
    EXPECT_EQ(ScreenPixel(board.WindowHandle(), POINT{boxLine, middle}), RGB(0, 0, 0));
}

TEST_F(Game, MainWindowBoardAndToolBarAreTheirSizeAtTheScreenDpiAtDpi)
{
    const unsigned dpi = ExpectedTestDpi();
    HWND window = Form1->Handle();
    ASSERT_EQ(WindowDpi(window), dpi) << "the test prefix is not at the DPI the run expects";
    ExpectClientAt(dpi);
    NewGame(0);
    PumpMessages();
    ExpectBoardAt(*Form1->stdsudoku1, dpi);
    const DWORD buttonSize = DWORD(SendMessageW(Form1->ToolBar1->Handle(), TB_GETBUTTONSIZE, 0, 0));
    EXPECT_NEAR(LOWORD(buttonSize), ToolButtonWidth * double(dpi) / DefaultDpi, 1);
    EXPECT_NEAR(HIWORD(buttonSize), ToolButtonHeight * double(dpi) / DefaultDpi, 1);
    // The images drawn for the DPI (24 px at 96, 30 at 120, 36 at 144, 48 at
    // 192), not the 24-pixel ones stretched.
    EXPECT_EQ(Form1->ImageList1->Width(), DrawnToolImageExtent(dpi));
    EXPECT_EQ(DrawnToolImageExtent(dpi), ScaleForDpi(24, dpi)) << "a size the art tool draws for this DPI";
    EXPECT_EQ(Form1->ImageList1->Count(), 14);

    bool inspected = false;
    ModalDriver driver;
    driver.AnswerMessageBox(IDYES);
    driver.CloseWindow(L"Tfrmda", [&](HWND solution) {
        inspected = true;
        EXPECT_EQ(WindowDpi(solution), dpi);
        ExpectBoardAt(*frmda->stdsudoku1, dpi);
    });
    Choose(Form1->ShowSolution1);
    EXPECT_TRUE(inspected);
    EXPECT_TRUE(driver.Failures().empty());
}

TEST_F(Game, DpiChangedRescalesTheMainWindowAtItsSuggestedPlaceAndBackAtDpi)
{
    const unsigned startDpi = ExpectedTestDpi();
    HWND window = Form1->Handle();
    NewGame(0);
    for (const unsigned dpi : {startDpi * 5 / 4, startDpi}) {
        SCOPED_TRACE(testing::Message() << "to " << dpi << " DPI");
        const unsigned from = Form1->CurrentDpi();
        const RECT suggested = SendDpiChanged(window, ClientSize(window), from, dpi, POINT{3, 2});
        PumpMessages();
        RECT after{};
        GetWindowRect(window, &after);
        EXPECT_EQ(after.left, suggested.left);
        EXPECT_EQ(after.top, suggested.top);
        ExpectClientAt(dpi);
        ExpectBoardAt(*Form1->stdsudoku1, dpi);
        const DWORD buttonSize = DWORD(SendMessageW(Form1->ToolBar1->Handle(), TB_GETBUTTONSIZE, 0, 0));
        EXPECT_NEAR(LOWORD(buttonSize), ToolButtonWidth * double(dpi) / DefaultDpi, 1);
        EXPECT_EQ(Form1->ImageList1->Width(), DrawnToolImageExtent(dpi));
    }
}

} // namespace
} // namespace orvane::game::test
