// Skinned message boxes as the player meets them: a question without Cancel
// is answered only by its buttons, the others still close on Escape and on
// the close button, and a narrow box is widened for its skinned caption.
#include "SkinFixture.h"

#include "ModalDriver.h"
#include "skin/TvelSkinWindow.h"

namespace orvane::skin::test {

using namespace framework;
using orvane::test::ModalDriver;

namespace {

// Polls of a box (25 ms apart) spent waiting for its close button to light.
constexpr int MaxLooks = 80;

RECT ScreenRect(HWND window)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

RECT ClientOnScreen(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

int CentreX(const RECT& rect) { return (rect.left + rect.right) / 2; }

} // namespace

TEST_F(Skin, AQuestionWithoutCancelIsAnsweredOnlyByItsButtonsOthersCloseOnEscapeAndTheCloseButton)
{
    enum class Input { Escape, CloseButton, AltF4 };
    constexpr int ClosedByTheInput = 0; // an OK box: IDOK as Windows gives it, IDCANCEL as Wine does
    struct Case {
        const char* name;
        UINT type;
        Input input;
        int answer;
        bool closeEnabled;
    };
    for (const Case& c : {
             Case{"Yes/No, Escape", MB_YESNO, Input::Escape, IDNO, false},
             Case{"Yes/No, close button", MB_YESNO, Input::CloseButton, IDNO, false},
             Case{"Yes/No, Alt+F4", MB_YESNO, Input::AltF4, IDNO, false},
             Case{"Yes/No/Cancel, Escape", MB_YESNOCANCEL, Input::Escape, IDCANCEL, true},
             Case{"Yes/No/Cancel, close button", MB_YESNOCANCEL, Input::CloseButton, IDCANCEL, true},
             Case{"OK, Escape", MB_OK, Input::Escape, ClosedByTheInput, true},
             Case{"OK, close button", MB_OK, Input::CloseButton, ClosedByTheInput, true},
         }) {
        bool pointedAt = false;
        int looks = 0;
        COLORREF underPointer = 0;
        CloseButtonProbe close;
        bool closeItemEnabled = true;
        ModalDriver driver;
        driver.HandleMessageBox([&](HWND box) {
            TvelSkinWindow* frame = form->Engine->FindWindowObject(box);
            if (!frame || !frame->Initialized())
                return false;
            if (c.input == Input::CloseButton) {
                if (!pointedAt) {
                    pointedAt = true;
                    close = FindCloseButton(*form->Engine, box);
                    MoveTo(POINT{close.centre.x - 2, close.centre.y});
                    MoveTo(close.centre);
                    return false; // the box follows the pointer before the next look
                }
                // The display may report an earlier place of the pointer
                // once more: the hand goes back to the button.
                POINT now{};
                if (GetCursorPos(&now) && (now.x != close.centre.x || now.y != close.centre.y)) {
                    MoveTo(close.centre);
                    return false;
                }
                underPointer = ScreenColour(close.probe);
                if (c.closeEnabled && underPointer != close.hot && ++looks < MaxLooks)
                    return false;
            }
            closeItemEnabled = frame->CloseItemEnabled();
            switch (c.input) {
            case Input::Escape: PressKey(VK_ESCAPE); break;
            case Input::CloseButton: ClickAtScreen(close.centre); break;
            case Input::AltF4: PressKey(VK_F4, VK_MENU); break;
            }
            // A box that must ignore the input is then answered No.
            if (!c.closeEnabled)
                PressKey('N');
            return true;
        });
        const int answer = MessageBoxW(Window(), L"Do you want to go on?", L"Question", c.type);
        // Keys meant for a box that closed early go to the form, not to the next box.
        orvane::test::PumpMessages();
        EXPECT_TRUE(driver.Failures().empty()) << c.name;
        if (c.answer == ClosedByTheInput) {
            EXPECT_TRUE(answer == IDOK || answer == IDCANCEL) << c.name << ": " << answer;
        } else {
            EXPECT_EQ(answer, c.answer) << c.name;
        }
        EXPECT_EQ(closeItemEnabled, c.closeEnabled) << c.name << ": the system menu's Close";
        if (c.input == Input::CloseButton && c.closeEnabled) {
            EXPECT_EQ(underPointer, close.hot) << c.name << ": lit under the pointer";
        }
        if (c.input == Input::CloseButton && !c.closeEnabled) {
            EXPECT_NE(underPointer, close.hot) << c.name << ": not lit, drawn disabled";
            EXPECT_NE(underPointer, close.normal) << c.name << ": drawn disabled";
        }
    }
}

TEST_F(Skin, ANarrowBoxIsWidenedForItsSkinnedCaptionAboutItsCentreWithItsButtonCentred)
{
    const std::wstring caption = L"Orvane Sudoku 1.0";
    std::wstring shown;
    RECT bounds{};
    RECT client{};
    RECT button{};
    RECT text{};
    ModalDriver driver;
    driver.HandleMessageBox([&](HWND box) {
        TvelSkinWindow* frame = form->Engine->FindWindowObject(box);
        if (!frame || !frame->Initialized())
            return false;
        shown = frame->ShownCaption();
        bounds = ScreenRect(box);
        client = ClientOnScreen(box);
        button = ScreenRect(GetDlgItem(box, IDOK));
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (orvane::test::WindowText(child) == L"Puzzle solved")
                text = ScreenRect(child);
        PressKey(VK_RETURN);
        return true;
    });
    MessageBoxW(Window(), L"Puzzle solved", caption.c_str(), MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(driver.Failures().empty());
    EXPECT_EQ(shown, caption) << "the whole caption";
    // The system centres the box over the screen, as the form is.
    const RECT owner = WindowRect();
    EXPECT_LE(std::abs(CentreX(bounds) - CentreX(owner)), 2) << "centred as the system placed it";
    EXPECT_LE(std::abs(CentreX(button) - CentreX(client)), 4) << "the button centred in the wider box";
    EXPECT_GE(text.left, client.left);
    EXPECT_LE(text.right, client.right) << "the text whole inside the box";
    EXPECT_LE(button.right, client.right);
}

} // namespace orvane::skin::test
