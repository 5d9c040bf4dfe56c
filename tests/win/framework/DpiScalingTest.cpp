#include "framework/TButton.h"
#include "framework/TFont.h"
#include "framework/TForm.h"
#include "framework/TPanel.h"
#include "framework/WindowDpi.h"

#include "TestDpi.h"
#include "WindowTesting.h"

#include <gtest/gtest.h>

namespace orvane::framework {
namespace {

using test::ExpectedTestDpi;
using test::SendDpiChanged;
using test::PumpMessages;

constexpr int FormClientWidth = 300;
constexpr int FormClientHeight = 200;
constexpr RECT ButtonBounds{190, 160, 190 + 75, 160 + 25};
constexpr int PanelWidth = 101;
constexpr int ButtonFontPoints = 10;

// A layout written at 96 DPI: a panel along the left edge, a button in the
// bottom right corner anchored there, with a font of its own; the rest
// follows the form's font.
struct TScaledForm {
    TForm form{nullptr};
    TPanel* panel = nullptr;
    TButton* button = nullptr;

    explicit TScaledForm(TFormBorderStyle border)
    {
        form.SetBorderStyle(border);
        form.SetClientSize(FormClientWidth, FormClientHeight);
        panel = Create<TPanel>(&form);
        panel->SetParent(&form);
        panel->SetAlign(TAlign::alLeft);
        panel->SetWidth(PanelWidth);
        button = Create<TButton>(&form);
        button->SetParent(&form);
        button->SetBounds(ButtonBounds.left, ButtonBounds.top, ButtonBounds.right - ButtonBounds.left,
                          ButtonBounds.bottom - ButtonBounds.top);
        button->SetAnchors(akRight | akBottom);
        button->Font().SetSize(ButtonFontPoints);
        form.Show();
        PumpMessages();
    }

    SIZE Client() const
    {
        RECT client{};
        GetClientRect(form.WindowHandle(), &client);
        return SIZE{client.right, client.bottom};
    }
    RECT ButtonWindow() const
    {
        RECT bounds{};
        HWND window = button->WindowHandle();
        GetWindowRect(window, &bounds);
        MapWindowPoints(nullptr, form.WindowHandle(), reinterpret_cast<POINT*>(&bounds), 2);
        return bounds;
    }
};

// Every length of the layout at `dpi`: edges scaled from 96 DPI.
void ExpectLayoutAt(const TScaledForm& scaled, unsigned dpi)
{
    const SIZE client = scaled.Client();
    EXPECT_EQ(client.cx, ScaleForDpi(FormClientWidth, dpi));
    EXPECT_EQ(client.cy, ScaleForDpi(FormClientHeight, dpi));
    EXPECT_EQ(scaled.panel->Width(), ScaleForDpi(PanelWidth, dpi));
    EXPECT_EQ(scaled.panel->Height(), client.cy) << "the aligned panel takes the scaled height";
    const RECT button = scaled.ButtonWindow();
    EXPECT_EQ(button.left, ScaleForDpi(ButtonBounds.left, dpi));
    EXPECT_EQ(button.top, ScaleForDpi(ButtonBounds.top, dpi));
    EXPECT_EQ(button.right, ScaleForDpi(ButtonBounds.right, dpi));
    EXPECT_EQ(button.bottom, ScaleForDpi(ButtonBounds.bottom, dpi));
    EXPECT_EQ(scaled.form.Font().Height(), -MulDiv(8, int(dpi), 72)) << "the form's 8-point font";
    EXPECT_EQ(scaled.panel->Font().Height(), scaled.form.Font().Height()) << "the panel follows the form's font";
    EXPECT_EQ(scaled.button->Font().Size(), ButtonFontPoints);
    EXPECT_EQ(scaled.button->Font().Height(), -MulDiv(ButtonFontPoints, int(dpi), 72));
}

TEST(DpiScaling, AFormWrittenAt96DpiIsLaidOutAtTheScreenDpiAtDpi)
{
    const unsigned dpi = ExpectedTestDpi();
    TScaledForm scaled(TFormBorderStyle::bsSingle);
    ASSERT_EQ(WindowDpi(scaled.form.WindowHandle()), dpi) << "the test prefix is not at the DPI the run expects";
    EXPECT_EQ(scaled.form.CurrentDpi(), dpi);
    ExpectLayoutAt(scaled, dpi);

    // A control added to the shown form is laid out in its pixels; its own
    // font keeps its point size at the form's DPI.
    auto* added = Create<TButton>(&scaled.form);
    added->Font().SetSize(ButtonFontPoints);
    added->SetParent(&scaled.form);
    added->SetBounds(1, 2, 30, 40);
    EXPECT_EQ(added->CurrentDpi(), dpi);
    EXPECT_EQ(added->BoundsRect().right, 31);
    EXPECT_EQ(added->Font().Height(), -MulDiv(ButtonFontPoints, int(dpi), 72));
}

TEST(DpiScaling, DpiChangedTakesTheSuggestedPlaceAndScalesTheFormAndBackAtDpi)
{
    const unsigned startDpi = ExpectedTestDpi();
    // The frame kinds whose size the player may change keep a client size of
    // their own; the move must not be taken for the player's choice.
    for (const TFormBorderStyle border : {TFormBorderStyle::bsSingle, TFormBorderStyle::bsSizeable}) {
        TScaledForm scaled(border);
        HWND window = scaled.form.WindowHandle();
        for (const unsigned dpi : {startDpi * 2, startDpi * 5 / 4, startDpi}) {
            SCOPED_TRACE(testing::Message() << "from " << scaled.form.CurrentDpi() << " to " << dpi << " DPI");
            const unsigned from = scaled.form.CurrentDpi();
            const RECT suggested = SendDpiChanged(window, scaled.Client(), from, dpi, POINT{7, 5});
            PumpMessages();
            RECT after{};
            GetWindowRect(window, &after);
            EXPECT_EQ(after.left, suggested.left);
            EXPECT_EQ(after.top, suggested.top);
            EXPECT_NEAR(after.right - after.left, suggested.right - suggested.left, 1);
            EXPECT_NEAR(after.bottom - after.top, suggested.bottom - suggested.top, 1);
            EXPECT_EQ(scaled.form.CurrentDpi(), dpi);
            ExpectLayoutAt(scaled, dpi);
        }
    }
}

TEST(DpiScaling, AFontKeepsItsPointSizeAtEveryDpi)
{
    const struct {
        int points;
        unsigned dpi;
        int height;
    } cases[] = {
        {8, 120, -13}, {8, 144, -16}, {8, 192, -21}, {10, 144, -20}, {16, 120, -27}, {16, 192, -43},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << " points at " << c.dpi << " DPI");
        TFont font;
        font.SetSize(c.points);
        const int designHeight = font.Height();
        font.ScaleToPixelsPerInch(c.dpi);
        EXPECT_EQ(font.Height(), c.height);
        EXPECT_EQ(font.Size(), c.points);
        font.ScaleToPixelsPerInch(DefaultDpi);
        EXPECT_EQ(font.Height(), designHeight) << "back at 96 DPI";
    }
    // A height in pixels that no point size gives scales as a length.
    TFont font;
    font.SetHeight(-14);
    font.ScaleToPixelsPerInch(144);
    EXPECT_EQ(font.Height(), -21);
}

} // namespace
} // namespace orvane::framework
