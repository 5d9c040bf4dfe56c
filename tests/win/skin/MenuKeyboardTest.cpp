// The keyboard's ways through the skinned menu bar and its owner-drawn
// menus: menu mode (F10, Alt alone), Return, the arrows and Escape on the
// bar, and letters in the open menus, with real keys through the program's
// own message loop.

#include "SkinFixture.h"

#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinWindowForm.h"

namespace orvane::skin::test {
namespace {

using namespace framework;
using orvane::test::BarHotButton;
using orvane::test::HasFocus;
using orvane::test::KeyStep;
using orvane::test::MenuGone;
using orvane::test::MenuHighlights;
using orvane::test::MenuShown;
using orvane::test::PressKeySteps;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;

// The test form's menu, with an Edit menu whose letters repeat: "&Undo",
// "Copy", "Cut", "Paste", a line, "Print" (disabled) and "Select &all".
class SkinMenuKeys : public Skin {
protected:
    void SetUp() override
    {
        TSkinTestForm::TLook look;
        look.withMenu = true;
        Open(look);
        for (const wchar_t* caption : {L"Copy", L"Cut", L"Paste", L"-", L"Print", L"Select &all"}) {
            auto* item = Create<TMenuItem>(form);
            item->SetCaption(caption);
            item->SetEnabled(std::wstring(caption) != L"Print");
            item->OnClick = [shown = form, caption](TObject*) { shown->clickedItems.push_back(caption); };
            form->Engine->SkinMenuItem(*item);
            form->EditItem->Add(item);
        }
        SetForegroundWindow(Window());
        form->Memo->SetFocus();
        PumpMessages();
    }

    TvelSkinMenuBar& Bar() const
    {
        return *As<TvelSkinWindowForm>(form->Engine->FindWindowObject(Window()))->MenuBar();
    }

    POINT BarButtonCentre(int index) const
    {
        TvelSkinMenuBar& bar = Bar();
        RECT place = bar.ButtonRect(*bar.Buttons(index));
        MapWindowPoints(bar.Handle(), nullptr, reinterpret_cast<POINT*>(&place), 2);
        return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    }

    // Presses the steps through the program's own loop; false when one of
    // the waits ran out.
    bool Play(const std::vector<KeyStep>& steps)
    {
        bool held = false;
        RunMessageLoopWith({{0, [&] { held = PressKeySteps(steps); }}});
        PumpMessages();
        return held;
    }

    // Back to where every case starts: no menu mode, nothing clicked, the
    // memo focused.
    void Reset()
    {
        Bar().LeaveMenuMode();
        form->clickedItems.clear();
        form->Memo->SetFocus();
        PumpMessages();
    }
};

TEST_F(SkinMenuKeys, MenuModeKeysOpenMenusAndEscapeKeepsTheItemHighlighted)
{
    HWND bar = Bar().Handle();
    const auto hot = [bar](int index) { return BarHotButton(bar, index); };
    // Escape closes the drop-down; the bar's item is highlighted again.
    const auto closedOn = [bar](int index) {
        return [gone = MenuGone(), hot = BarHotButton(bar, index)] { return gone() && hot(); };
    };
    // The bar's items: &File (0), &Edit (1), &Help (2).
    struct Case {
        const char* what;
        std::vector<KeyStep> steps;
        std::vector<std::wstring> clicked;
        bool inMenuMode;
        int hotButton;
    };
    const std::vector<Case> cases{
        {"F10, Return opens the first menu with its first item highlighted",
         {{VK_F10, hot(0)}, {VK_RETURN, MenuHighlights(0)}, {VK_RETURN, MenuGone()}},
         {L"&Open"},
         false,
         -1},
        {"F10, Down",
         {{VK_F10, hot(0)}, {VK_DOWN, MenuHighlights(0)}, {VK_RETURN, MenuGone()}},
         {L"&Open"},
         false,
         -1},
        {"F10, Right, Return opens the second menu",
         {{VK_F10, hot(0)}, {VK_RIGHT, hot(1)}, {VK_RETURN, MenuHighlights(0)}, {VK_RETURN, MenuGone()}},
         {L"&Undo"},
         false,
         -1},
        {"Alt alone, Return",
         {{VK_MENU, hot(0)}, {VK_RETURN, MenuHighlights(0)}, {VK_RETURN, MenuGone()}},
         {L"&Open"},
         false,
         -1},
        {"Escape closes the menu and keeps its item highlighted",
         {{VK_F10, hot(0)}, {VK_RETURN, MenuShown()}, {VK_ESCAPE, closedOn(0)}},
         {},
         true,
         0},
        {"after Escape, Right goes on to the next item",
         {{VK_F10, hot(0)},
          {VK_RETURN, MenuShown()},
          {VK_ESCAPE, closedOn(0)},
          {VK_RIGHT, hot(1)},
          {VK_DOWN, MenuHighlights(0)},
          {VK_RETURN, MenuGone()}},
         {L"&Undo"},
         false,
         -1},
        {"after Escape, Left goes round to the last item",
         {{VK_F10, hot(0)},
          {VK_RETURN, MenuShown()},
          {VK_ESCAPE, closedOn(0)},
          {VK_LEFT, hot(2)},
          {VK_RETURN, MenuHighlights(0)},
          {VK_RETURN, MenuGone()}},
         {L"&About"},
         false,
         -1},
        {"after Escape, Down opens the menu again",
         {{VK_F10, hot(0)},
          {VK_RETURN, MenuShown()},
          {VK_ESCAPE, closedOn(0)},
          {VK_DOWN, MenuHighlights(0)},
          {VK_RETURN, MenuGone()}},
         {L"&Open"},
         false,
         -1},
        {"a second Escape leaves menu mode",
         {{VK_F10, hot(0)}, {VK_RETURN, MenuShown()}, {VK_ESCAPE, closedOn(0)}, {VK_ESCAPE, hot(-1)}},
         {},
         false,
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Play(c.steps)) << "every step showed what it waits for";
        EXPECT_EQ(form->clickedItems, c.clicked);
        EXPECT_EQ(Bar().InMenuMode(), c.inMenuMode);
        EXPECT_EQ(int(SendMessageW(bar, TB_GETHOTITEM, 0, 0)), c.hotButton);
        if (!c.inMenuMode) {
            EXPECT_EQ(GetFocus(), form->Memo->Handle()) << "the focus is back where it was";
        }
        Reset();
    }
}

TEST_F(SkinMenuKeys, EscapeAfterAClickOnTheBarKeepsTheItemHighlighted)
{
    const POINT edit = BarButtonCentre(1);
    HWND bar = Bar().Handle();
    // Escape closes the drop-down; Edit is highlighted again, and the bar
    // takes the keys once the menu's loop has ended: an arrow pressed before
    // would go to the memo.
    const auto closed = [gone = MenuGone(), hot = BarHotButton(bar, 1), focused = HasFocus(bar)] {
        return gone() && hot() && focused();
    };
    bool held = false;
    RunMessageLoopWith({{0,
                         [&] {
                             ClickAtScreen(edit);
                             orvane::test::MoveTo(POINT{2, 2});
                             held = orvane::test::WaitUntil(MenuShown()) &&
                                    PressKeySteps({{VK_ESCAPE, closed},
                                                   {VK_RIGHT, BarHotButton(bar, 2)},
                                                   {VK_DOWN, MenuHighlights(0)},
                                                   {VK_RETURN, MenuGone()}});
                         }}});
    PumpMessages();
    EXPECT_TRUE(held);
    EXPECT_EQ(form->clickedItems, (std::vector<std::wstring>{L"&About"}));
}

TEST_F(SkinMenuKeys, ALetterRunsTheOnlyItemItPicksAndStepsThroughSeveral)
{
    // The Edit menu opens with "&Undo" highlighted (Alt+E); its positions:
    // &Undo 0, Copy 1, Cut 2, Paste 3, line 4, Print 5 (disabled), Select &all 6.
    struct Case {
        const char* what;
        std::vector<KeyStep> steps;
        std::wstring clicked;
    };
    const std::vector<Case> cases{
        {"an access letter", {{'U', MenuGone()}}, L"&Undo"},
        {"an access letter inside the caption", {{'A', MenuGone()}}, L"Select &all"},
        {"the first letter of an item without one; a disabled item does not count", {{'P', MenuGone()}}, L"Paste"},
        {"two items share a letter: it highlights the first", {{'C', MenuHighlights(1)}, {VK_RETURN, MenuGone()}},
         L"Copy"},
        {"typed again, the next",
         {{'C', MenuHighlights(1)}, {'C', MenuHighlights(2)}, {VK_RETURN, MenuGone()}},
         L"Cut"},
        {"and round to the first",
         {{'C', MenuHighlights(1)}, {'C', MenuHighlights(2)}, {'C', MenuHighlights(1)}, {VK_RETURN, MenuGone()}},
         L"Copy"},
        {"an item with an access letter does not answer to its first letter",
         {{'S', MenuHighlights(0)}, {VK_RETURN, MenuGone()}},
         L"&Undo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<KeyStep> steps{{'E', MenuHighlights(0), VK_MENU}};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        EXPECT_TRUE(Play(steps)) << "every step showed what it waits for";
        EXPECT_EQ(form->clickedItems, (std::vector<std::wstring>{c.clicked}));
        Reset();
    }
}

TEST_F(SkinMenuKeys, ALetterPicksAnItemOfTheSkinnedSystemMenu)
{
    // Captions without access letters: the menu answers to first letters.
    form->Engine->SetResSysMenuMin(L"Minimize");
    form->Engine->SetResSysMenuMax(L"Maximize/Restore");
    form->Engine->SetResSysMenuClose(L"Close");
    const POINT icon = IconCentre();
    bool held = false;
    RunMessageLoopWith({{0,
                         [&] {
                             ClickAtScreen(icon);
                             held = orvane::test::WaitUntil(MenuShown()) && PressKeySteps({{'C', MenuGone()}});
                         }}});
    PumpMessages();
    EXPECT_TRUE(held);
    EXPECT_EQ(form->closeRequests, 1) << "C chose Close";
}

} // namespace
} // namespace orvane::skin::test
