#include "framework/TApplication.h"
#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TMemo.h"
#include "framework/TPanel.h"

#include "HandInput.h"
#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::PumpMessages;

// A form with tab stops on it and inside a panel, and two that Tab must pass
// over: a disabled button and a hidden edit.
class TabKey : public testing::Test {
protected:
    void SetUp() override
    {
        form = Create<TForm>(nullptr);
        form->SetClientSize(300, 220);
        form->SetCaption(L"Tab order");
        edit = Place(Create<TEdit>(form), form, L"edit", 10, 10);
        edit->SetText(L"some text");
        button = Place(Create<TButton>(form), form, L"button", 10, 40);
        auto* panel = Place(Create<TPanel>(form), form, L"panel", 10, 70);
        panel->SetBounds(10, 70, 200, 60);
        check = Place(Create<TCheckBox>(form), panel, L"check", 5, 5);
        auto* disabled = Place(Create<TButton>(form), panel, L"disabled", 5, 30);
        disabled->SetEnabled(false);
        auto* hidden = Place(Create<TEdit>(form), form, L"hidden", 10, 140);
        hidden->SetVisible(false);
        memo = Place(Create<TMemo>(form), form, L"memo", 10, 140);
        combo = Place(Create<TComboBox>(form), form, L"combo", 150, 10);
        form->Show();
        SetForegroundWindow(form->Handle());
        edit->SetFocus();
        PumpMessages();
    }
    void TearDown() override { delete form; }

    template <class Control>
    static Control* Place(Control* control, TWinControl* parent, const wchar_t* name, int left, int top)
    {
        control->SetName(name);
        control->SetParent(parent);
        control->SetBounds(left, top, 120, 24);
        return control;
    }

    // The name of the framework control that has the focus, or of the one
    // whose part has it (the edit of a combo box).
    static std::wstring FocusedName()
    {
        for (HWND window = GetFocus(); window; window = GetParent(window))
            if (TWinControl* control = TWinControl::FindControl(window))
                return control->Name();
        return L"(none)";
    }

    TForm* form = nullptr;
    TEdit* edit = nullptr;
    TButton* button = nullptr;
    TCheckBox* check = nullptr;
    TMemo* memo = nullptr;
    TComboBox* combo = nullptr;
};

TEST_F(TabKey, MovesTheFocusThroughTheTabStopsInOrderBothWays)
{
    const struct {
        const char* what;
        WORD modifier;
        std::vector<std::wstring> focused;
    } cases[] = {
        {"Tab", 0, {L"button", L"check", L"memo", L"combo", L"edit"}},
        {"Shift+Tab", VK_SHIFT, {L"combo", L"memo", L"check", L"button", L"edit"}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> focused;
        for (std::size_t press = 0; press < c.focused.size(); ++press) {
            test::PressKey(VK_TAB, c.modifier);
            PumpMessages();
            focused.push_back(FocusedName());
        }
        EXPECT_EQ(focused, c.focused) << c.what;
    }
    EXPECT_EQ(memo->Text(), L"") << "Tab left the memo without typing into it";
}

TEST_F(TabKey, SelectsTheTextOfAnEditItReachesAndLeavesCtrlTabAlone)
{
    SendMessageW(edit->Handle(), EM_SETSEL, 2, 2);
    test::PressKey(VK_TAB, VK_SHIFT); // to the combo box
    PumpMessages();
    test::PressKey(VK_TAB); // back to the edit
    PumpMessages();
    ASSERT_EQ(FocusedName(), L"edit");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 9u) << "all of \"some text\"";

    test::PressKey(VK_TAB, VK_CONTROL);
    PumpMessages();
    EXPECT_EQ(FocusedName(), L"edit");
}

// A form without tab stops keeps the described behaviour of the key: it is a
// typed character like any other.
TEST(TabKeyWithoutTabStops, StaysATypedCharacter)
{
    TForm form(nullptr);
    form.SetClientSize(200, 100);
    std::vector<wchar_t> typed;
    form.SetKeyPreview(true);
    form.OnKeyPress = [&](TObject*, wchar_t& key) { typed.push_back(key); };
    form.Show();
    SetForegroundWindow(form.Handle());
    SetFocus(form.Handle());
    PumpMessages();
    test::PressKey(VK_TAB);
    PumpMessages();
    EXPECT_EQ(typed, std::vector<wchar_t>{L'\t'});
}

} // namespace
} // namespace orvane::framework
