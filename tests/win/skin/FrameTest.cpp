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

    RunMessageLoopWith({{0, [&] { MoveTo(POINT{close.x - 3, close.y}); }}, {100, [&] { MoveTo(close); }}},
                       [&] { return frame->HotButton() == ClosePart; });
    EXPECT_EQ(frame->HotButton(), ClosePart);
    EXPECT_FALSE(frame->ButtonDown());

    RunMessageLoopWith({{0, [] { Button(MOUSEEVENTF_LEFTDOWN); }}}, [&] { return frame->ButtonDown(); });
    EXPECT_EQ(frame->HotButton(), ClosePart);
    EXPECT_TRUE(frame->ButtonDown());
    EXPECT_EQ(form->closeRequests, 0) << "nothing happens before the release";

    RunMessageLoopWith({{0, [] { Button(MOUSEEVENTF_LEFTUP); }}}, [&] { return form->closeRequests > 0; });
    EXPECT_FALSE(frame->ButtonDown());
    EXPECT_EQ(form->closeRequests, 1) << "close acts on release";

    // Pressed on close, released on minimize: the button under the release
    // acts. The press is a new click, not a double click with the last.
    const int press = orvane::test::NewClickPace();
    RunMessageLoopWith({{0, [&] { MoveTo(close); }},
                        {press, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {press + 100, [&] { MoveTo(minimize); }},
                        {press + 200, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                       [&] { return IsIconic(Window()) || form->closeRequests > 1; });
    EXPECT_EQ(form->closeRequests, 1);
    EXPECT_TRUE(IsIconic(Window()));
    ShowWindow(Window(), SW_RESTORE);
    PumpMessages();

    // This form has no maximize button: a double click on its empty title
    // maximizes nothing.
    const POINT title = EmptyTitlePoint();
    RunMessageLoopWith({{0, [&] {
                             MoveTo(title);
                             orvane::test::Pace();
                             for (int click = 0; click < 2; ++click) {
                                 Button(MOUSEEVENTF_LEFTDOWN);
                                 Button(MOUSEEVENTF_LEFTUP);
                             }
                         }}});
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
    RunMessageLoopWith({{0, [&] { ClickAtScreen(maximize); }}}, [&] { return IsZoomed(Window()) != FALSE; });
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
    RunMessageLoopWith({{0, [&] {
                             ClickAtScreen(title, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
                             if (orvane::test::WaitUntil(orvane::test::MenuShown()))
                                 menuWindow = WaitForWindow(L"#32768");
                             ClickAtScreen(elsewhere);
                             orvane::test::WaitForWindowGone(L"#32768");
                         }}});
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
    // The first click opens the system menu, whose loop takes the second.
    const POINT icon = IconCentre();
    RunMessageLoopWith({{0, [&] {
                             MoveTo(icon);
                             orvane::test::Pace();
                             for (int click = 0; click < 2; ++click) {
                                 Button(MOUSEEVENTF_LEFTDOWN);
                                 Button(MOUSEEVENTF_LEFTUP);
                             }
                         }}},
                       [&] { return form->closeRequests > 0; });
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
        // The hand looks until the dialog wears the skin's frame.
        orvane::test::WaitUntil([&] {
            skinned = SendMessageW(dialog, 0x2AAA, 0, 0) != 0;
            GetWindowRect(dialog, &dialogBounds);
            dialogClient = ClientOnScreen(dialog);
            return skinned && dialogClient.top - dialogBounds.top == metrics.titleHeight;
        });
        const POINT close{dialogBounds.right - metrics.buttonX - buttonWidth / 2,
                          dialogBounds.top + metrics.buttonY + buttonHeight / 2};
        MoveTo(POINT{close.x - 2, close.y});
        orvane::test::Pace();
        ClickAtScreen(close);
        if (!orvane::test::WaitForWindowGone(L"#32770"))
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
