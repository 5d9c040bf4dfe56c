#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TPanel.h"
#include "framework/TWindowSubclass.h"

#include "ModalDriver.h"
#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::PumpMessages;

constexpr UINT ProbeMessage = WM_GETTEXTLENGTH;

WNDPROC CurrentProcedure(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

// Puts two layers named "a" and "b" in front of a target, takes them off in
// the given order, and checks after every step which layers a probe message
// passes and that the target's own handling still answers it.
//   install(name, seen) puts a layer that records its name and hands on
//   probe() sends the probe message and returns the answer
template <typename Install, typename Probe>
void CheckTwoLayersComeOffInEitherOrder(const std::string& target, Install install, Probe probe)
{
    const LRESULT ownAnswer = probe();
    const struct {
        const char* order;
        bool firstOffIsA;
    } orders[] = {{"a first", true}, {"b first", false}};
    for (const auto& order : orders) {
        SCOPED_TRACE(target + ", " + order.order);
        std::vector<std::string> seen;
        auto a = install("a", seen);
        auto b = install("b", seen);
        EXPECT_EQ(probe(), ownAnswer);
        EXPECT_EQ(seen, (std::vector<std::string>{"b", "a"})) << "the newest layer sees messages first";
        seen.clear();
        (order.firstOffIsA ? a : b).Remove();
        EXPECT_EQ(probe(), ownAnswer);
        EXPECT_EQ(seen, (std::vector<std::string>{order.firstOffIsA ? "b" : "a"}));
        seen.clear();
        (order.firstOffIsA ? b : a).Remove();
        EXPECT_EQ(probe(), ownAnswer);
        EXPECT_TRUE(seen.empty());
    }
}

// Checks both orders on a window and that its own procedure is back at the end.
void CheckWindowLayers(const std::string& target, HWND window)
{
    const WNDPROC original = CurrentProcedure(window);
    CheckTwoLayersComeOffInEitherOrder(
        target,
        [window](const char* name, std::vector<std::string>& seen) {
            return TWindowSubclass(window, [name, &seen](TMessage& message, const TMessageLayers::TNext& next) {
                if (message.Msg == ProbeMessage)
                    seen.push_back(name);
                next(message);
            });
        },
        [window] { return SendMessageW(window, ProbeMessage, 0, 0); });
    EXPECT_EQ(CurrentProcedure(window), original) << target;
}

class Subclassing : public testing::Test {
protected:
    void SetUp() override
    {
        form = Create<TForm>(nullptr);
        form->SetClientSize(200, 100);
        panel = Create<TPanel>(form);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 80, 40);
        panel->SetCaption(L"Panel");
        form->Show();
        PumpMessages();
    }
    void TearDown() override { delete form; }

    TForm* form = nullptr;
    TPanel* panel = nullptr;
};

TEST_F(Subclassing, LayersOnAMessageBoxButtonComeOffInEitherOrderAndSeeItsRealClick)
{
    std::vector<std::string> clickLayers;
    TWindowSubclass outer;
    TWindowSubclass inner;
    HWND button = nullptr;
    test::ModalDriver driver;
    driver.CloseWindow(L"#32770", [&](HWND box) {
        button = GetDlgItem(box, IDOK);
        ASSERT_NE(button, nullptr);
        CheckWindowLayers("message box button", button);
        // Two layers left on for the click, which the box's own loop delivers.
        const auto recordClick = [&clickLayers](const char* name) {
            return [name, &clickLayers](TMessage& message, const TMessageLayers::TNext& next) {
                if (message.Msg == BM_CLICK)
                    clickLayers.push_back(name);
                next(message);
            };
        };
        inner = TWindowSubclass(button, recordClick("inner"));
        outer = TWindowSubclass(button, recordClick("outer"));
        PostMessageW(button, BM_CLICK, 0, 0);
    });
    const int answer = MessageBoxW(nullptr, L"Subclassed buttons", L"Orvane Test", MB_OK);
    EXPECT_EQ(answer, IDOK);
    EXPECT_TRUE(driver.Failures().empty());
    EXPECT_EQ(clickLayers, (std::vector<std::string>{"outer", "inner"}));
    EXPECT_FALSE(IsWindow(button));
    EXPECT_FALSE(outer.Active()) << "the destroyed button took its layers with it";
    outer.Remove();
    inner.Remove();
}

TEST_F(Subclassing, LayersOnAFrameworkWindowComeOffInEitherOrder)
{
    CheckWindowLayers("panel window", panel->Handle());

    // Posted messages come through the program's own loop.
    std::vector<std::string> seen;
    const auto record = [&seen](const char* name) {
        return [name, &seen](TMessage& message, const TMessageLayers::TNext& next) {
            if (message.Msg == WM_USER)
                seen.push_back(name);
            next(message);
        };
    };
    TWindowSubclass first(panel->Handle(), record("first"));
    TWindowSubclass second(panel->Handle(), record("second"));
    PostMessageW(panel->Handle(), WM_USER, 0, 0);
    PumpMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"second", "first"}));
}

// A procedure put in front the old way, by replacing the window's procedure.
WNDPROC procedureBehindForeign = nullptr;
int foreignMessages = 0;

LRESULT CALLBACK ForeignProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == ProbeMessage)
        ++foreignMessages;
    return CallWindowProcW(procedureBehindForeign, window, message, wParam, lParam);
}

TEST_F(Subclassing, TheOriginalGoesBackOnlyWhileTheLayersAreTheWindowsProcedure)
{
    HWND window = panel->Handle();
    const WNDPROC original = CurrentProcedure(window);
    const LRESULT ownAnswer = SendMessageW(window, ProbeMessage, 0, 0);
    int layerMessages = 0;
    TWindowSubclass layer(window, [&layerMessages](TMessage& message, const TMessageLayers::TNext& next) {
        if (message.Msg == ProbeMessage)
            ++layerMessages;
        next(message);
    });
    procedureBehindForeign = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProcedure)));

    layer.Remove();
    EXPECT_EQ(CurrentProcedure(window), &ForeignProcedure) << "the procedure in front was replaced";
    EXPECT_EQ(SendMessageW(window, ProbeMessage, 0, 0), ownAnswer);
    EXPECT_EQ(foreignMessages, 1);
    EXPECT_EQ(layerMessages, 0);

    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedureBehindForeign));
    EXPECT_EQ(SendMessageW(window, ProbeMessage, 0, 0), ownAnswer);
    EXPECT_EQ(CurrentProcedure(window), original) << "the empty chain gave the window back once it was current";
}

TEST_F(Subclassing, ControlHooksComeOffInEitherOrder)
{
    CheckTwoLayersComeOffInEitherOrder(
        "panel hooks",
        [this](const char* name, std::vector<std::string>& seen) {
            return panel->HookWindowProc([name, &seen](TMessage& message, const TMessageLayers::TNext& next) {
                if (message.Msg == ProbeMessage)
                    seen.push_back(name);
                next(message);
            });
        },
        [this] { return panel->Perform(ProbeMessage); });
}

} // namespace
} // namespace orvane::framework
