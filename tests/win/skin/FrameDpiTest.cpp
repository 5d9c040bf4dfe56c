// The skinned frame at the DPI its window is drawn at: its sizes follow the
// skin's 96-DPI sizes scaled, it takes each new DPI a WM_DPICHANGED brings,
// its caption and menu-bar texts fit their bands, and skinned boxes and file
// dialogs stay on the screen. Each test reads the DPI from the window, so
// that it holds in a prefix set to any DPI.
#include "SkinFixture.h"

#include "ModalDriver.h"
#include "core/base/DpiScale.h"
#include "framework/GdiOwners.h"
#include "framework/TCommonDialog.h"
#include "framework/WindowDpi.h"
#include "skin/SystemFonts.h"
#include "skin/TvelSkinWindow.h"

#include <cstdlib>
#include <string>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::ModalDriver;

namespace {

// The skinned frame's sizes as the window shows them.
struct FrameSizes {
    int width = 0;
    int title = 0; // the skin's title band
    int left = 0;
    int right = 0;
    int bottom = 0;
    int buttonsFromRight = 0; // the window's right edge to the leftmost title button
};

FrameSizes Measure(const TvelSkinWindow& frame)
{
    HWND window = frame.Handle();
    RECT bounds{};
    RECT client{};
    GetWindowRect(window, &bounds);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    FrameSizes sizes;
    sizes.width = bounds.right - bounds.left;
    sizes.title = frame.TitleHeight();
    // The band is at least the title; below a title lower than the system's
    // the form's colour fills up to the system's height.
    EXPECT_GE(client.top - bounds.top - frame.MenuBarHeight(), sizes.title);
    sizes.left = client.left - bounds.left;
    sizes.right = bounds.right - client.right;
    sizes.bottom = bounds.bottom - client.bottom;
    sizes.buttonsFromRight = sizes.width - frame.ButtonsLeft();
    return sizes;
}

// The DPI the window is drawn at now: after a WM_DPICHANGED sent by hand
// that is the frame's, while the system still answers with the monitor's.
unsigned WindowDpiOf(HWND window)
{
    const TvelSkinWindow* frame = TvelSkinWindow::FromWindow(window);
    return frame ? frame->FrameDpi() : WindowDpi(window);
}

// Tells the window that it moved to a monitor of `dpi`, suggesting its
// present rectangle grown about its top-left corner, as the system does.
void MoveToDpi(HWND window, unsigned dpi)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const unsigned now = WindowDpiOf(window);
    RECT suggested = bounds;
    suggested.right = bounds.left + MulDiv(bounds.right - bounds.left, int(dpi), int(now));
    suggested.bottom = bounds.top + MulDiv(bounds.bottom - bounds.top, int(dpi), int(now));
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    orvane::test::PumpMessages();
}

SIZE TextExtent(HFONT font, const std::wstring& text)
{
    const TMemoryDC dc;
    TSelectedObject selected;
    selected.Select(dc.Handle(), font);
    SIZE extent{};
    GetTextExtentPoint32W(dc.Handle(), text.c_str(), int(text.size()), &extent);
    return extent;
}

void ExpectScaled(int measured, int at96, unsigned dpi, const char* what)
{
    EXPECT_LE(std::abs(measured - ScaleForDpi(at96, dpi)), 1)
        << what << " at " << dpi << " DPI: " << measured << ", at 96 DPI " << at96;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

TEST_F(Skin, TheFrameTakesTheWindowsDpiAndEachDpiItMovesToAtDpi)
{
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    const unsigned dpi = WindowDpi(Window());
    EXPECT_EQ(frame->FrameDpi(), dpi);
    const FrameSizes start = Measure(*frame);
    const RECT startBounds = WindowRect();

    // The same window at 96 DPI is the reference every other DPI scales.
    MoveToDpi(Window(), DefaultDpi);
    const FrameSizes at96 = Measure(*frame);
    EXPECT_EQ(at96.title, form->Engine->Look().Metrics().titleHeight);
    for (unsigned target : {dpi, 120u, 144u, 192u, DefaultDpi}) {
        // The form decides its own client size; the frame around it is the
        // skin's.
        MoveToDpi(Window(), target);
        const RECT bounds = WindowRect();
        EXPECT_EQ(frame->FrameDpi(), target);
        const FrameSizes sizes = Measure(*frame);
        ExpectScaled(sizes.title, at96.title, target, "title");
        ExpectScaled(sizes.left, at96.left, target, "left border");
        ExpectScaled(sizes.right, at96.right, target, "right border");
        ExpectScaled(sizes.bottom, at96.bottom, target, "bottom border");
        ExpectScaled(sizes.buttonsFromRight, at96.buttonsFromRight, target, "title buttons from the right");
        // A region, where the skin cuts one, covers the whole window at its
        // new size.
        TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(Window(), region.Get()) != ERROR) {
            RECT box{};
            GetRgnBox(region.Get(), &box);
            EXPECT_EQ(box.right - box.left, bounds.right - bounds.left) << target << " DPI: the region's width";
            EXPECT_EQ(box.bottom - box.top, bounds.bottom - bounds.top) << target << " DPI: the region's height";
        }
    }

    // Back at the window's own DPI, the frame is as it started.
    MoveToDpi(Window(), dpi);
    const FrameSizes back = Measure(*frame);
    EXPECT_EQ(back.title, start.title);
    EXPECT_EQ(back.left, start.left);
    EXPECT_EQ(back.bottom, start.bottom);
    EXPECT_EQ(back.buttonsFromRight, start.buttonsFromRight);
    const RECT bounds = WindowRect();
    EXPECT_EQ(bounds.right - bounds.left, startBounds.right - startBounds.left);
    // The scaled look is made once per DPI and kept.
    EXPECT_EQ(&form->Engine->Look().ForDpi(144), &form->Engine->Look().ForDpi(144));
    EXPECT_EQ(&form->Engine->Look().ForDpi(DefaultDpi), &form->Engine->Look());
}

class SkinMenuBar : public Skin {
protected:
    void SetUp() override
    {
        TSkinTestForm::TLook look;
        look.withMenu = true;
        Open(look);
    }
};

TEST_F(SkinMenuBar, TheCaptionAndTheMenuBarsTextsFitTheirBandsAtDpi)
{
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    const unsigned dpi = WindowDpi(Window());
    const std::wstring caption = orvane::test::WindowText(Window());
    ASSERT_FALSE(caption.empty());
    for (unsigned target : {dpi, 144u, 192u}) {
        MoveToDpi(Window(), target);
        const SIZE text = TextExtent(CaptionFontForDpi(target), caption);
        const TitleLayout layout = frame->Layout();
        EXPECT_LE(layout.captionTop + text.cy, frame->TitleHeight())
            << target << " DPI: the caption's foot inside the title band";
        EXPECT_GE(layout.captionTop, 0);
        // Whole or shortened, the caption ends before the title buttons.
        const SIZE shown = TextExtent(CaptionFontForDpi(target), frame->ShownCaption());
        EXPECT_LE(layout.captionX + shown.cx, frame->ButtonsLeft()) << target << " DPI: the caption beside the buttons";
    }
    MoveToDpi(Window(), dpi);
    // The menu bar's band holds its items' text at the window's DPI.
    const SIZE item = TextExtent(MenuFont(), L"&File");
    EXPECT_GE(frame->MenuBarHeight(), item.cy) << "the menu bar holds a line of the menu font";
}

TEST_F(Skin, MessageBoxesAndTheOpenDialogStayInsideTheWorkAreaAtDpi)
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const unsigned dpi = WindowDpi(Window());
    // The form, and with it the boxes the system places over it, in the
    // middle and pushed against each corner of the screen.
    const struct {
        const char* name;
        double x, y; // the form's place as shares of the room the work area leaves it
    } places[] = {{"middle", 0.5, 0.5}, {"top left", 0, 0}, {"bottom right", 1, 1}};
    for (const auto& place : places) {
        const RECT bounds = WindowRect();
        const int width = bounds.right - bounds.left;
        const int height = bounds.bottom - bounds.top;
        SetWindowPos(Window(), nullptr, work.left + int(place.x * (work.right - work.left - width)),
                     work.top + int(place.y * (work.bottom - work.top - height)), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        orvane::test::PumpMessages();

        RECT box{};
        ModalDriver boxes;
        boxes.HandleMessageBox([&](HWND shown) {
            TvelSkinWindow* frame = form->Engine->FindWindowObject(shown);
            if (!frame || !frame->Initialized())
                return false;
            GetWindowRect(shown, &box);
            PressKey(VK_RETURN);
            return true;
        });
        MessageBoxW(Window(), L"The puzzle has been solved, and this line is long enough to make the box wide.",
                    L"Orvane Sudoku 1.0", MB_OK | MB_ICONINFORMATION);
        EXPECT_TRUE(boxes.Failures().empty()) << place.name;
        EXPECT_TRUE(Inside(box, work)) << place.name << " at " << dpi << " DPI: message box " << box.left << ","
                                       << box.top << " - " << box.right << "," << box.bottom;

        RECT dialog{};
        auto* open = Create<TOpenDialog>(form);
        open->SetFilter(L"Standard Sudoku|*.std");
        ModalDriver dialogs;
        dialogs.CancelFileDialogAfter([&](HWND shown) {
            TvelSkinWindow* frame = form->Engine->FindWindowObject(shown);
            if (!frame || !frame->Initialized())
                return false;
            GetWindowRect(shown, &dialog);
            return true;
        });
        EXPECT_FALSE(open->Execute());
        delete open;
        EXPECT_TRUE(dialogs.Failures().empty()) << place.name;
        EXPECT_TRUE(Inside(dialog, work)) << place.name << " at " << dpi << " DPI: Open dialog " << dialog.left
                                          << "," << dialog.top << " - " << dialog.right << "," << dialog.bottom;
    }
}

} // namespace orvane::skin::test
