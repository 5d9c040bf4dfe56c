#include "ControlsFixture.h"

#include "HandInput.h"
#include "skin/SkinMessages.h"

#include <algorithm>
#include <string>
#include <vector>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::PumpMessages;

namespace {

// The framework control that has the focus, or whose part has it.
TWinControl* FocusedControl()
{
    for (HWND window = GetFocus(); window; window = GetParent(window))
        if (TWinControl* control = TWinControl::FindControl(window))
            return control;
    return nullptr;
}

} // namespace

// With the skin drawing every control, Tab still walks the form's tab
// stops (those in the skinned panel and in the one kept plain included), and Shift+Tab
// walks them back.
TEST_F(SkinControls, TabAndShiftTabWalkTheTabStopsOfASkinnedForm)
{
    ASSERT_EQ(SendMessageW(form->Ok->Handle(), SKM_ISSKINNED, 0, 0), 1) << "the skin is on";
    SetForegroundWindow(form->Handle());
    form->Ok->SetFocus();
    PumpMessages();

    const std::vector<TWinControl*> stops{form->Ok,     form->Memo,  form->OnPanel, form->PlainMemo,
                                          form->Untouched, form->Check, form->Tabs,    form->Track};
    std::vector<TWinControl*> forward;
    for (std::size_t press = 0; press < stops.size(); ++press) {
        orvane::test::PressKey(VK_TAB);
        PumpMessages();
        forward.push_back(FocusedControl());
    }
    EXPECT_EQ(forward.back(), form->Ok) << "round to where it started";
    EXPECT_TRUE(std::is_permutation(forward.begin(), forward.end(), stops.begin(), stops.end()))
        << "each tab stop once";

    std::vector<TWinControl*> backward;
    for (std::size_t press = 0; press < stops.size(); ++press) {
        orvane::test::PressKey(VK_TAB, VK_SHIFT);
        PumpMessages();
        backward.push_back(FocusedControl());
    }
    // Back from the start: the same walk, the other way round.
    std::vector<TWinControl*> expectedBack(forward.rbegin() + 1, forward.rend());
    expectedBack.push_back(form->Ok);
    EXPECT_EQ(backward, expectedBack);
}

} // namespace orvane::skin::test
