#include "core/raster/Arrows.h"
#include "core/raster/BitmapCopy.h"
#include "core/raster/Canvas.h"
#include "core/raster/Gradient.h"
#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TCustomControl.h"
#include "framework/TFont.h"
#include "framework/TForm.h"
#include "framework/TPanel.h"

#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::PumpMessages;

// The colours of every pixel of a bitmap, row by row.
std::vector<Color> ColoursOf(TBitmap& bitmap)
{
    const orvane::Bitmap& pixels = bitmap.CoreBitmap();
    std::vector<Color> colours;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            colours.push_back(pixels.ColorAt(x, y));
    return colours;
}

// What the screen shows of a window's client area, once everything pending
// is painted.
std::vector<Color> ScreenColours(HWND window, int width, int height)
{
    test::ScreenPixel(window, POINT{0, 0});
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    TBitmap copy(width, height);
    const TClientDC screen(nullptr);
    BitBlt(copy.Canvas().Handle(), 0, 0, width, height, screen.Handle(), origin.x, origin.y, SRCCOPY);
    return ColoursOf(copy);
}

// A canvas on a memory device context of its own.
class MemoryCanvas : public testing::Test {
protected:
    void SetUp() override { canvas.SetHandle(dc); }
    void TearDown() override { canvas.SetHandle(nullptr); }

    TMemoryDC memoryDc;
    HDC dc = memoryDc.Handle();
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
    canvas.Font().SetSize(11);
    const SIZE small = canvas.TextExtent(L"W");
    const HGDIOBJ selected = GetCurrentObject(dc, OBJ_FONT);
    canvas.Font().SetSize(31);
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

    auto* form = Create<TForm>(nullptr);
    form->SetClientSize(200, 100);
    auto* control = Create<TThrowingControl>(form);
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

// A control that shows a bitmap, one copy per paint.
class TBitmapView : public TCustomControl {
public:
    TBitmapView(TComponent* owner, TBitmap& shown) : TCustomControl(owner), bitmap(shown) {}

protected:
    void Paint() override { Canvas().Draw(0, 0, bitmap); }

private:
    TBitmap& bitmap;
};

class ShownForm : public testing::Test {
protected:
    void SetUp() override
    {
        form = Create<TForm>(nullptr);
        form->SetClientSize(200, 100);
    }
    void TearDown() override { delete form; }
    void Show()
    {
        form->Show();
        PumpMessages();
    }

    TForm* form = nullptr;
};

using DibSections = ShownForm;

TEST_F(DibSections, APictureComposedByTheCoreReachesTheScreenInOneCopy)
{
    constexpr int width = 40;
    constexpr int height = 30;
    TBitmap bitmap(width, height);
    bitmap.Canvas().Brush.Color = clWhite;
    bitmap.Canvas().FillRect(RECT{0, 0, width, height});
    orvane::Canvas core(bitmap.CoreBitmap().View());
    EXPECT_EQ(bitmap.CoreBitmap().ColorAt(width - 1, height - 1), Color(clWhite)) << "GDI's drawing is in the core's pixels";
    FillGradientV(core, Rect{0, 0, width, 10}, 0x0000FF, 0xFF0000);
    core.FillRect(Rect{5, 12, 35, 20}, 0x00FF00);
    DrawArrowDown(core, 10, 22, ArrowState::Enabled);

    auto* view = Create<TBitmapView>(form, bitmap);
    view->SetParent(form);
    view->SetBounds(10, 10, width, height);
    Show();
    EXPECT_EQ(ScreenColours(view->Handle(), width, height), ColoursOf(bitmap));
}

TEST(BitmapCopies, OnACanvasMatchTheCoreCopies)
{
    // Four colours in a 2 x 2 bitmap; the top-right one is the transparent one.
    constexpr Color colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080};
    TBitmap source(2, 2);
    for (int i = 0; i < 4; ++i)
        source.CoreBitmap().SetColorAt(i % 2, i / 2, colours[i]);
    source.SetTransparentColor(TColor(colours[1]));

    const struct {
        const char* name;
        bool transparent;
        std::function<void(TCanvas&)> onCanvas;
        std::function<void(orvane::Canvas&, const orvane::Bitmap&)> inCore;
    } cases[] = {
        {"Draw", false, [&](TCanvas& c) { c.Draw(1, 1, source); },
         [](orvane::Canvas& c, const orvane::Bitmap& b) { DrawBitmap(c, 1, 1, b); }},
        {"transparent Draw", true, [&](TCanvas& c) { c.Draw(1, 1, source); },
         [](orvane::Canvas& c, const orvane::Bitmap& b) { DrawBitmap(c, 1, 1, b); }},
        {"StretchDraw", false, [&](TCanvas& c) { c.StretchDraw(RECT{0, 0, 4, 4}, source); },
         [](orvane::Canvas& c, const orvane::Bitmap& b) { StretchDrawBitmap(c, Rect{0, 0, 4, 4}, b); }},
        {"CopyRect", true, [&](TCanvas& c) { c.CopyRect(RECT{2, 0, 3, 4}, source, RECT{1, 0, 2, 2}); },
         [](orvane::Canvas& c, const orvane::Bitmap& b) { StretchRect(c, Rect{2, 0, 3, 4}, b, Rect{1, 0, 2, 2}); }},
    };
    for (const auto& c : cases) {
        source.SetTransparent(c.transparent);
        TBitmap drawn(4, 4);
        drawn.Canvas().Brush.Color = clWhite;
        drawn.Canvas().FillRect(RECT{0, 0, 4, 4});
        c.onCanvas(drawn.Canvas());
        TBitmap expected(4, 4);
        orvane::Canvas core(expected.CoreBitmap().View());
        core.FillRect(Rect{0, 0, 4, 4}, Color(clWhite));
        c.inCore(core, source.CoreBitmap());
        EXPECT_EQ(ColoursOf(drawn), ColoursOf(expected)) << c.name;
    }
}

using OutsidePainting = ShownForm;

TEST_F(OutsidePainting, AControlPaintsIntoADeviceContextItIsGiven)
{
    constexpr int width = 60;
    constexpr int height = 30;
    auto* panel = Create<TPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, width, height);
    panel->SetCaption(L"Off");
    panel->SetColor(TColor(0x00FFFF));
    Show();
    const std::vector<Color> onScreen = ScreenColours(panel->Handle(), width, height);

    const struct {
        const char* name;
        UINT message;
        LPARAM flags;
    } cases[] = {
        {"WM_PRINTCLIENT", WM_PRINTCLIENT, PRF_CLIENT | PRF_ERASEBKGND},
        {"WM_PAINT with a context", WM_PAINT, 0},
    };
    for (const auto& c : cases) {
        TBitmap offScreen(width, height);
        SendMessageW(panel->Handle(), c.message, WPARAM(offScreen.Canvas().Handle()), c.flags);
        EXPECT_EQ(ColoursOf(offScreen), onScreen) << c.name;
        EXPECT_EQ(panel->Canvas().Handle(), nullptr) << c.name;
    }
}

TEST(CanvasText, TextHasABackgroundOnlyWhenOpaqueAndMeasuresAsItDraws)
{
    TBitmap bitmap(80, 24);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clWhite;
    canvas.FillRect(RECT{0, 0, 80, 24});
    canvas.Font().SetColor(clRed);
    const SIZE extent = canvas.TextExtent(L"Wg");
    RECT measured{0, 0, 0, 0};
    const int height = canvas.DrawText(L"Wg", measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(measured.right, extent.cx);
    EXPECT_EQ(height, extent.cy);

    canvas.Brush.Color = clBlue;
    canvas.BackgroundMode = TBackgroundMode::bmOpaque;
    canvas.TextOut(0, 0, L"Wg");
    canvas.BackgroundMode = TBackgroundMode::bmTransparent;
    canvas.TextOut(40, 0, L"Wg");

    const orvane::Bitmap& pixels = bitmap.CoreBitmap();
    const auto count = [&pixels, &extent](int left, Color colour) {
        int found = 0;
        for (int y = 0; y < extent.cy; ++y)
            for (int x = left; x < left + extent.cx; ++x)
                found += pixels.ColorAt(x, y) == colour ? 1 : 0;
        return found;
    };
    EXPECT_GT(count(0, Color(clRed)), 0);
    EXPECT_GT(count(0, Color(clBlue)), 0) << "opaque text stands on the brush colour";
    EXPECT_GT(count(40, Color(clRed)), 0);
    EXPECT_EQ(count(40, Color(clBlue)), 0) << "transparent text leaves what was there";
}

} // namespace
} // namespace orvane::framework
