// The skinned frame under real input: its client area, the title buttons'
// states and the commands they post, the icon, the system menu, and the
// frame of a system dialog, whose close button cancels it.
#include "SkinFixture.h"

#include "core/skinframe/TitleBand.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TApplication.h"
#include "skin/TvelSkinWindow.h"

#include <algorithm>
#include <thread>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;

namespace {

constexpr int LeastFrame = 4;

RECT ClientOnScreen(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

} // namespace

TEST_F(Skin, ClientAreaLiesInsideTheSkinsBorders)
{
    const FrameMetrics& metrics = form->Engine->Look().Metrics();
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    const RECT bounds = WindowRect();
    const RECT client = ClientOnScreen(Window());
    EXPECT_EQ(client.left - bounds.left, std::max(metrics.leftBorderWidth, LeastFrame));
    EXPECT_EQ(client.top - bounds.top, std::max(metrics.titleHeight, frame->OrigTopHeight()));
    EXPECT_EQ(bounds.right - client.right, std::max(metrics.rightBorderWidth, LeastFrame));
    EXPECT_EQ(bounds.bottom - client.bottom, std::max(metrics.bottomBorderHeight, LeastFrame));
    EXPECT_EQ(client.right - client.left, 360);
    EXPECT_EQ(client.bottom - client.top, 240);
}

TEST_F(Skin, TitleButtonsLightUpPressAndActOnRelease)
{
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    const POINT close = TitleButtonCentre(0);
    const POINT minimize = TitleButtonCentre(1);

    RunMessageLoopWith({{50, [&] { MoveTo(POINT{close.x - 3, close.y}); }}, {150, [&] { MoveTo(close); }}}, 400);
    EXPECT_EQ(frame->HotButton(), ClosePart);
    EXPECT_FALSE(frame->ButtonDown());

    RunMessageLoopWith({{50, [] { Button(MOUSEEVENTF_LEFTDOWN); }}}, 300);
    EXPECT_EQ(frame->HotButton(), ClosePart);
    EXPECT_TRUE(frame->ButtonDown());
    EXPECT_EQ(form->closeRequests, 0) << "nothing happens before the release";

    RunMessageLoopWith({{50, [] { Button(MOUSEEVENTF_LEFTUP); }}}, 400);
    EXPECT_FALSE(frame->ButtonDown());
    EXPECT_EQ(form->closeRequests, 1) << "close acts on release";

    // Pressed on close, released on minimize: the button under the release acts.
    RunMessageLoopWith({{50, [&] { MoveTo(close); }},
                        {150, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {250, [&] { MoveTo(minimize); }},
                        {350, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                       800);
    EXPECT_EQ(form->closeRequests, 1);
    EXPECT_TRUE(IsIconic(Window()));
    ShowWindow(Window(), SW_RESTORE);
    PumpMessages();

    // This form has no maximize button: a double click on its empty title
    // maximizes nothing.
    const POINT title = EmptyTitlePoint();
    RunMessageLoopWith({{50, [&] {
                             MoveTo(title);
                             Sleep(50);
                             for (int click = 0; click < 2; ++click) {
                                 Button(MOUSEEVENTF_LEFTDOWN);
                                 Button(MOUSEEVENTF_LEFTUP);
                             }
                         }}},
                       500);
    EXPECT_FALSE(IsZoomed(Window()));
    EXPECT_FALSE(frame->MaxButtonShown());
}

TEST_F(Skin, AMaximizeButtonIsDrawnAndActsWhereTheFormHasOne)
{
    TearDown();
    TSkinTestForm::TLook look;
    look.borderStyle = TFormBorderStyle::bsSizeable;
    look.borderIcons = biSystemMenu | biMinimize | biMaximize;
    Open(look);
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->MaxButtonShown());

    const POINT maximize = TitleButtonCentre(1);
    RunMessageLoopWith({{50, [&] { ClickAtScreen(maximize); }}}, 600);
    EXPECT_TRUE(IsZoomed(Window()));
    ShowWindow(Window(), SW_RESTORE);
    PumpMessages();
}

TEST_F(Skin, RightClickOnTheTitleOpensTheSystemMenuEnabledAsTheButtonsWereDrawn)
{
    const POINT title = EmptyTitlePoint();
    const RECT bounds = WindowRect();
    // A click on the form's lower left, away from the menu, closes it.
    const POINT elsewhere{bounds.left + 30, bounds.bottom - 15};
    HWND menuWindow = nullptr;
    RunMessageLoopWith({{50, [&] {
                             ClickAtScreen(title, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
                             menuWindow = WaitForWindow(L"#32768");
                             Sleep(100);
                             ClickAtScreen(elsewhere);
                             WaitForWindow(L"#32768", false);
                         }}},
                       400);
    EXPECT_NE(menuWindow, nullptr) << "the system menu opened";
    HMENU menu = form->Engine->SystemMenu().Handle();
    const auto enabled = [menu](int position) { return !(GetMenuState(menu, UINT(position), MF_BYPOSITION) & MF_GRAYED); };
    EXPECT_TRUE(enabled(0)) << "Minimize";
    EXPECT_FALSE(enabled(1)) << "Maximize/Restore: this form has no maximize button";
    EXPECT_TRUE(enabled(3)) << "Close";
    EXPECT_EQ(form->closeRequests, 0);
}

TEST_F(Skin, ADoubleClickOnTheIconClosesTheWindow)
{
    const POINT icon = IconCentre();
    const RECT bounds = WindowRect();
    const POINT elsewhere{bounds.left + 30, bounds.bottom - 15};
    RunMessageLoopWith({{50, [&] {
                             MoveTo(icon);
                             Sleep(50);
                             for (int click = 0; click < 2; ++click) {
                                 Button(MOUSEEVENTF_LEFTDOWN);
                                 Button(MOUSEEVENTF_LEFTUP);
                             }
                             Sleep(300);
                             if (HWND menu = FindWindowW(L"#32768", nullptr); menu && IsWindowVisible(menu))
                                 ClickAtScreen(elsewhere);
                         }}},
                       800);
    EXPECT_EQ(form->closeRequests, 1);
}

TEST_F(Skin, ADialogWearsTheSkinAndItsCloseButtonCancelsIt)
{
    const FrameMetrics metrics = form->Engine->Look().Metrics();
    const Bitmap* strip = form->Engine->Look().Reader().GetBitmap(SKIN2_TITLEBUTTONS);
    const int buttonWidth = strip->Width() / 18;
    const int buttonHeight = strip->Height();

    RECT dialogBounds{};
    RECT dialogClient{};
    bool skinned = false;
    std::thread hand([&] {
        HWND dialog = WaitForWindow(L"#32770");
        if (!dialog)
            return;
        Sleep(300);
        skinned = SendMessageW(dialog, 0x2AAA, 0, 0) != 0;
        GetWindowRect(dialog, &dialogBounds);
        dialogClient = ClientOnScreen(dialog);
        const POINT close{dialogBounds.right - metrics.buttonX - buttonWidth / 2,
                          dialogBounds.top + metrics.buttonY + buttonHeight / 2};
        MoveTo(POINT{close.x - 2, close.y});
        Sleep(80);
        ClickAtScreen(close);
        if (!WaitForWindow(L"#32770", false))
            PostMessageW(dialog, WM_COMMAND, IDOK, 0); // never hang the test
    });
    const int answer = MessageBoxW(Window(), L"A question with a Cancel button", L"Dialog", MB_OKCANCEL);
    hand.join();
    EXPECT_TRUE(skinned);
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(dialogClient.left - dialogBounds.left, std::max(metrics.leftBorderWidth, LeastFrame));
    EXPECT_EQ(dialogClient.top - dialogBounds.top, metrics.titleHeight);
    EXPECT_EQ(dialogBounds.right - dialogClient.right, std::max(metrics.rightBorderWidth, LeastFrame));
    EXPECT_EQ(dialogBounds.bottom - dialogClient.bottom, std::max(metrics.bottomBorderHeight, LeastFrame));
}

} // namespace orvane::skin::test
