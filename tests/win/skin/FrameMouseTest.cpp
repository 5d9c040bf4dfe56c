// The skinned title under the player's mouse where the system's own
// non-client handling would step in: a right click on the title, and the
// pointer leaving a lit title button for the desktop.
#include "SkinFixture.h"

#include "core/skinframe/TitleBand.h"
#include "skin/TvelSkinWindow.h"

namespace orvane::skin::test {

using namespace framework;
using orvane::test::Patience;
using orvane::test::RunMessageLoopWith;
using orvane::test::WaitUntil;

namespace {

BOOL CALLBACK CollectOpenMenu(HWND window, LPARAM data)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        orvane::test::WindowClassName(window) != L"#32768")
        return TRUE;
    DWORD_PTR menu = 0;
    SendMessageTimeoutW(window, MN_GETHMENU, 0, 0, SMTO_NORMAL, Patience, &menu);
    reinterpret_cast<std::vector<HMENU>*>(data)->push_back(reinterpret_cast<HMENU>(menu));
    return TRUE;
}

// The menus shown now by every visible menu window ("#32768") of this program.
std::vector<HMENU> OpenMenus()
{
    std::vector<HMENU> menus;
    EnumWindows(CollectOpenMenu, reinterpret_cast<LPARAM>(&menus));
    return menus;
}

} // namespace

TEST_F(Skin, ARightClickOnTheTitleShowsOnlyTheSkinnedSystemMenuAndEscapeClosesIt)
{
    const POINT title = EmptyTitlePoint();
    HWND window = Window();
    std::vector<HMENU> shown;
    std::vector<HMENU> afterEscape;
    bool closed = false;
    RunMessageLoopWith({{0,
                         [&] {
                             ClickAtScreen(title, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
                             WaitUntil([] { return !OpenMenus().empty(); });
                             shown = OpenMenus();
                             PressKey(VK_ESCAPE);
                             closed = WaitUntil([] { return OpenMenus().empty(); });
                             // A menu that follows the first opens within the message
                             // that closed it: once the window answers, it is up.
                             SendMessageW(window, WM_NULL, 0, 0);
                             afterEscape = OpenMenus();
                             for (int round = 0; round < 3 && !OpenMenus().empty(); ++round) {
                                 PressKey(VK_ESCAPE);
                                 WaitUntil([] { return OpenMenus().empty(); });
                                 SendMessageW(window, WM_NULL, 0, 0);
                             }
                         }}});
    EXPECT_EQ(shown, std::vector<HMENU>{form->Engine->SystemMenu().Handle()}) << "the skinned system menu alone";
    EXPECT_TRUE(closed) << "Escape closes it";
    EXPECT_TRUE(afterEscape.empty()) << "no other menu follows it";
    EXPECT_FALSE(IsIconic(Window()));
    EXPECT_EQ(form->closeRequests, 0);
}

TEST_F(Skin, ALitTitleButtonIsDrawnNormalAgainOnceThePointerLeavesForTheDesktop)
{
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    const CloseButtonProbe button = FindCloseButton(*form->Engine, Window());
    ASSERT_GE(button.probe.x, 0);
    const POINT close = button.centre;
    const POINT probe = button.probe;
    const COLORREF normal = button.normal;
    const COLORREF hot = button.hot;

    COLORREF lit = 0;
    RunMessageLoopWith({{0,
                         [&] {
                             MoveTo(POINT{close.x - 3, close.y});
                             orvane::test::Pace();
                             MoveTo(close);
                             WaitUntil([&] { return ScreenColour(probe) == hot; });
                             lit = ScreenColour(probe);
                         }}});
    // Every move the hand made is handled before it leaves: none of them is
    // left to repaint the title once the pointer is gone.
    orvane::test::PumpMessages();
    COLORREF left = 0;
    RunMessageLoopWith({{0,
                         [&] {
                             // To the desktop, past every part of the frame. The
                             // display may still report the pointer's earlier place
                             // once; the hand keeps it where it went.
                             const POINT desktop{2, 2};
                             MoveTo(desktop);
                             WaitUntil([&] {
                                 POINT now{};
                                 if (GetCursorPos(&now) && (now.x != desktop.x || now.y != desktop.y))
                                     MoveTo(desktop);
                                 return ScreenColour(probe) == normal;
                             });
                             left = ScreenColour(probe);
                         }}});
    EXPECT_EQ(lit, hot) << "the button lit up under the pointer";
    EXPECT_EQ(left, normal) << "and went back to normal when the pointer left";
    EXPECT_EQ(frame->HotButton(), NoTitlePart);
    EXPECT_FALSE(frame->ButtonDown());
}

} // namespace orvane::skin::test
