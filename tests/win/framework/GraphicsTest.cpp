#include "framework/TApplication.h"
#include "framework/TCanvas.h"
#include "framework/TCustomControl.h"
#include "framework/TFont.h"
#include "framework/TForm.h"

#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::PumpMessages;

// A canvas on a memory device context of its own.
class MemoryCanvas : public testing::Test {
protected:
    void SetUp() override { canvas.SetHandle(dc); }
    void TearDown() override
    {
        canvas.SetHandle(nullptr);
        DeleteDC(dc);
    }

    HDC dc = CreateCompatibleDC(nullptr);
    TCanvas canvas;
};

using Fonts = MemoryCanvas;

TEST_F(Fonts, ColourIsNotPartOfTheHandle)
{
    TFont font;
    const HFONT handle = font.Handle();
    font.SetColor(clRed);
    EXPECT_EQ(font.Handle(), handle);
    EXPECT_EQ(GetObjectType(handle), DWORD(OBJ_FONT));
}

TEST_F(Fonts, AssigningAnEqualFontKeepsTheHandle)
{
    TFont font;
    font.SetSize(14);
    const HFONT handle = font.Handle();
    TFont equal;
    equal.SetSize(14);
    equal.SetColor(clBlue);
    font.Assign(equal);
    EXPECT_EQ(GetObjectType(handle), DWORD(OBJ_FONT));
    EXPECT_EQ(font.Handle(), handle);
    EXPECT_EQ(font.Color(), clBlue);
}

TEST_F(Fonts, AHandleSelectedIntoACanvasLivesUntilTheCanvasLetsItGo)
{
    canvas.Font().SetSize(10);
    const SIZE small = canvas.TextExtent(L"W");
    const HGDIOBJ selected = GetCurrentObject(dc, OBJ_FONT);
    canvas.Font().SetSize(30);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), selected);
    EXPECT_EQ(GetObjectType(selected), DWORD(OBJ_FONT)) << "still selected: must not be deleted";
    EXPECT_GT(canvas.TextExtent(L"W").cy, small.cy) << "the next text takes the new font";
    EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), selected);
    EXPECT_EQ(GetObjectType(selected), DWORD(0)) << "no longer selected nor wanted: freed";
}

// A control whose paint throws once when told to, as a faulty paint handler
// would.
class TThrowingControl : public TCustomControl {
public:
    explicit TThrowingControl(TComponent* owner) : TCustomControl(owner) {}
    bool ThrowOnPaint = false;

protected:
    void Paint() override
    {
        Canvas().Brush.Color = clWhite;
        Canvas().FillRect(ClientRect());
        if (ThrowOnPaint) {
            ThrowOnPaint = false;
            throw std::runtime_error("paint failed");
        }
    }
};

TEST(Painting, APaintThatThrowsStillEndsItsPaintAndLeavesNoDeadDC)
{
    std::vector<std::string> errors;
    const TExceptionEvent savedHandler = Application->OnException;
    Application->OnException = [&errors](TObject*, const std::exception& error) { errors.push_back(error.what()); };

    auto* form = new TForm(nullptr);
    form->SetClientSize(200, 100);
    auto* control = new TThrowingControl(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 50, 50);
    form->Show();
    PumpMessages();
    control->ThrowOnPaint = true;
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    EXPECT_FALSE(control->ThrowOnPaint) << "the paint ran";
    EXPECT_EQ(control->Canvas().Handle(), nullptr) << "the canvas kept the paint's device context";
    RECT pending{};
    EXPECT_FALSE(GetUpdateRect(control->Handle(), &pending, FALSE));
    PumpMessages();
    EXPECT_EQ(errors, (std::vector<std::string>{"paint failed"})) << "reported once";
    delete form;
    Application->OnException = savedHandler;
}

} // namespace
} // namespace orvane::framework
