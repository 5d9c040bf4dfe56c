#include "ControlsFixture.h"
#include "SkinFixture.h"

#include "framework/TApplication.h"
#include "framework/TStatusBar.h"

#include <vector>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;

namespace {

// A skinned form that the player may resize, with a status bar that carries
// the size grip along its bottom; the engine comes last, so that it finds it.
class TStatusBarTestForm : public TSkinTestForm {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TStatusBarTestForm(TComponent* owner) : TSkinTestForm(owner)
    {
        BeginLayout();
        Status = Create<TStatusBar>(this);
        Status->SetParent(this);
        Status->SetSimpleText(L"Ready");
        Engine = Create<TvelSkinEngine>(this);
        Engine->SetName(L"velSkinEngine1");
        Engine->SetActive(true);
        Engine->SetBuiltIn(true);
        Engine->SetSkinData(StoredSkin());
        EndLayout();
    }

    TStatusBar* Status = nullptr;
};

const TClassInfo TStatusBarTestForm::ClassInfo{L"TStatusBarTestForm", &TSkinTestForm::ClassInfo, {}};

class SkinStatusBar : public testing::Test {
protected:
    void SetUp() override
    {
        orvane::test::MovePointerAway();
        TSkinTestForm::TLook look;
        look.withEngine = false;
        look.borderStyle = TFormBorderStyle::bsSizeable;
        TSkinTestForm::NextLook = look;
        Application->CreateForm(form);
        form->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        delete form;
        form = nullptr;
        orvane::test::MovePointerAway();
        PumpMessages();
    }

    TStatusBarTestForm* form = nullptr;
};

// How many pixels two copies of the same window differ in.
int DifferingPixels(const TClientPixels& one, const TClientPixels& other)
{
    if (one.Width() != other.Width() || one.Height() != other.Height())
        return one.Width() * one.Height();
    int differing = 0;
    for (int y = 0; y < one.Height(); ++y)
        for (int x = 0; x < one.Width(); ++x)
            differing += one.At(x, y) != other.At(x, y) ? 1 : 0;
    return differing;
}

} // namespace

TEST_F(SkinStatusBar, EnlargingTheFormByItsSizeGripLeavesOneGripAtTheNewCorner)
{
    constexpr int GripSize = 15;
    struct Case {
        const char* name;
        bool skinned; // or the system's look, under the engine's disabled tag
    } const cases[] = {
        {"skinned", true},
        {"system's look", false},
    };
    HWND bar = form->Status->WindowHandle();
    ASSERT_TRUE(GetWindowLongW(bar, GWL_STYLE) & SBARS_SIZEGRIP);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        form->Status->SetTag(test.skinned ? 0 : TvelSkinEngine::DefaultDisabledTag);
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        PumpMessages();
        RECT client{};
        GetClientRect(bar, &client);
        const int oldWidth = client.right;
        const POINT grip = form->Status->ClientToScreen(POINT{client.right - 4, client.bottom - 4});
        const auto by = [grip](int dx, int dy) { return POINT{grip.x + dx, grip.y + dy}; };

        // The grip dragged to the right and down in steps, as a hand does.
        RunMessageLoopWith({{0, [&] { MoveTo(grip); }},
                            {50, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                            {100, [&] { MoveTo(by(15, 8)); }},
                            {150, [&] { MoveTo(by(30, 16)); }},
                            {200, [&] { MoveTo(by(45, 24)); }},
                            {300, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                           [&] {
                               RECT now{};
                               GetClientRect(bar, &now);
                               return now.right > oldWidth + 30;
                           });
        GetClientRect(bar, &client);
        ASSERT_GT(client.right, oldWidth + 30) << "the form grew with the drag";

        // The screen shows what a whole new paint of the bar shows: nothing
        // of the grips drawn at the corners on the way.
        const TClientPixels shown(bar);
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        EXPECT_EQ(DifferingPixels(shown, TClientPixels(bar)), 0);
        if (!test.skinned)
            continue;
        const COLORREF gripLine = GetSysColor(COLOR_INACTIVECAPTION);
        const RECT newGrip{client.right - GripSize, client.bottom - GripSize, client.right, client.bottom};
        EXPECT_GT(shown.Count(gripLine, newGrip), 0) << "the skin's grip at the new corner";
        EXPECT_EQ(shown.Count(gripLine), shown.Count(gripLine, newGrip)) << "and nowhere else";
    }
}

} // namespace orvane::skin::test
