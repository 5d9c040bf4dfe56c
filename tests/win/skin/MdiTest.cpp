// The skin gallery's MDI demonstration with the skin on: its children
// closed, hidden, maximized and minimized with real input, and the frame's
// skinned menu bar, child buttons, caption and window list following them.

#include "FreedMemoryWatch.h"
#include "SkinFixture.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TApplication.h"
#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinMenuBarControlButton.h"
#include "skin/TvelSkinWindowForm.h"
#include "skinview/TMdiDemoForm.h"

namespace orvane::skin::test {
namespace {

using namespace framework;
using orvane::test::ChooseFromMenuBar;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;
using orvane::test::WindowText;
using skinview::TMdiDemoForm;

constexpr wchar_t FrameTitle[] = L"Orvane Skin Gallery - MDI";
constexpr int CloseButton = 0;
constexpr int MinimizeButton = 2;

// The default skin as a package file of the native build, for the gallery's
// command line.
std::wstring DefaultPackagePath()
{
    std::wstring path = L"Z:" ORVANE_SKINS_DIR L"/default.ssk";
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

using TCaptions = std::vector<std::wstring>;

enum class TLeaving { ownCloseButton, barCloseButton, controlF4, hidden };

struct TLeavingCase {
    const char* name;
    TLeaving how;
    bool maximized; // the child is maximized by a double click on its title first
    int children;   // the children open; the last one made leaves
};

struct TChoiceCase {
    const char* name;
    bool withPackage;
    int children;
    // Maximized by a double click on its title, minimized with the bar's
    // button, then chosen in the window menu.
    const wchar_t* chosen;
};

// The demonstration as the gallery starts it: the frame, the package named on
// the command line when there is one, then the children.
class MdiDemo : public testing::Test {
protected:
    void Open(bool withPackage, int children)
    {
        orvane::test::MovePointerAway();
        Application->CreateForm(frame);
        if (withPackage)
            frame->LoadPackage(DefaultPackagePath());
        frame->Show();
        for (int index = 0; index < children; ++index)
            frame->NewChild();
        SetForegroundWindow(frame->Handle());
        PumpMessages();
    }

    void Close()
    {
        delete frame;
        frame = nullptr;
        orvane::test::MovePointerAway();
        PumpMessages();
    }

    void TearDown() override { Close(); }

    TvelSkinWindowForm& Binding() const
    {
        return *As<TvelSkinWindowForm>(frame->Engine->FindWindowObject(frame->Handle()));
    }

    TCustomForm* Child(const std::wstring& caption) const
    {
        for (int index = 0; index < frame->MDIChildCount(); ++index)
            if (frame->MDIChildren(index)->Caption() == caption)
                return frame->MDIChildren(index);
        return nullptr;
    }

    // What the bar shows: the captions of its buttons.
    TCaptions BarItems() const
    {
        TCaptions items;
        TvelSkinMenuBar* bar = Binding().MenuBar();
        for (int index = 0; index < bar->ButtonCount(); ++index)
            if (bar->Buttons(index)->Visible())
                items.push_back(bar->Buttons(index)->MenuItem()->Caption());
        return items;
    }

    TCaptions WindowMenu() const
    {
        TCaptions items;
        for (int index = 0; index < frame->WindowMenu()->Count(); ++index)
            items.push_back(frame->WindowMenu()->Items(index)->Caption());
        return items;
    }

    std::vector<bool> ControlButtonsShown() const
    {
        std::vector<bool> shown;
        for (int index = 0; index < 3; ++index)
            shown.push_back(Binding().ControlButton(index)->Visible());
        return shown;
    }

    // A point of a child's skinned title: its empty middle, or the centre of
    // a title button counted from the right.
    POINT TitlePoint(const TCustomForm& child, int buttonFromRight = -1) const
    {
        RECT bounds{};
        GetWindowRect(child.WindowHandle(), &bounds);
        const FrameMetrics& metrics = frame->Engine->Look().Metrics();
        if (buttonFromRight < 0)
            return POINT{(bounds.left + bounds.right) / 2 - 30, bounds.top + metrics.titleHeight / 2};
        const Bitmap* strip = frame->Engine->Look().Reader().GetBitmap(SKIN2_TITLEBUTTONS);
        const int buttonWidth = strip->Width() / 18;
        const int right = bounds.right - metrics.buttonX - buttonFromRight * (buttonWidth + 2);
        return POINT{right - buttonWidth / 2, bounds.top + metrics.buttonY + strip->Height() / 2};
    }

    // A double click on the child's title, which maximizes or restores it.
    void DoubleClickTitle(const TCustomForm& child)
    {
        constexpr DWORD ClickPace = 30;
        const POINT title = TitlePoint(child);
        HWND window = child.WindowHandle();
        const bool zoomed = IsZoomed(window) != FALSE;
        RunMessageLoopWith({{0,
                             [title] {
                                 MoveTo(title);
                                 orvane::test::Pace();
                                 for (int click = 0; click < 2; ++click) {
                                     Button(MOUSEEVENTF_LEFTDOWN);
                                     orvane::test::Pace(ClickPace);
                                     Button(MOUSEEVENTF_LEFTUP);
                                     orvane::test::Pace(ClickPace);
                                 }
                             }}},
                           [window, zoomed] { return (IsZoomed(window) != FALSE) != zoomed; });
        PumpMessages();
    }

    // A click, and then the loop runs until what it should do is done.
    void ClickAt(POINT screen, const std::function<bool()>& done)
    {
        RunMessageLoopWith({{0, [screen] { ClickAtScreen(screen); }}}, done);
        PumpMessages();
    }

    void ClickControlButton(int index, const std::function<bool()>& done)
    {
        const TvelSkinMenuBarControlButton* button = Binding().ControlButton(index);
        ClickAt(button->ClientToScreen(POINT{button->Width() / 2, button->Height() / 2}), done);
    }

    void ChooseFromWindowMenu(const std::wstring& caption)
    {
        TMenuItem* windowMenu = frame->WindowMenu();
        for (int index = 0; index < windowMenu->Count(); ++index)
            if (windowMenu->Items(index)->Caption() == caption) {
                ChooseFromMenuBar(*Binding().MenuBar(), *windowMenu->Items(index));
                PumpMessages();
                return;
            }
        ADD_FAILURE() << "no entry for the child in the window menu";
    }

    // The cases of the tables below, each on a demonstration of its own.
    void Leave(const TLeavingCase& leaving);
    void ChooseMinimized(const TChoiceCase& choice);

    TMdiDemoForm* frame = nullptr;
};

// ---- a child leaves

constexpr TLeavingCase LeavingCases[] = {
    {"the last child, closed by its own close button", TLeaving::ownCloseButton, false, 1},
    {"the last child, maximized, closed by the bar's close button", TLeaving::barCloseButton, true, 1},
    {"the last child, maximized, closed with Ctrl+F4", TLeaving::controlF4, true, 1},
    {"the last child, maximized, hidden", TLeaving::hidden, true, 1},
    {"the last child, hidden", TLeaving::hidden, false, 1},
    {"one of two, closed by its own close button", TLeaving::ownCloseButton, false, 2},
    {"one of two, maximized, closed by the bar's close button", TLeaving::barCloseButton, true, 2},
    {"one of two, maximized, hidden", TLeaving::hidden, true, 2},
};

void MdiDemo::Leave(const TLeavingCase& leaving)
{
    Open(false, leaving.children);
    const std::wstring name = L"Document " + std::to_wstring(leaving.children);
    TCustomForm* child = Child(name);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(frame->ActiveMDIChild(), child);
    if (leaving.maximized) {
        DoubleClickTitle(*child);
        ASSERT_TRUE(IsZoomed(child->Handle())) << "a double click on the skinned title maximizes";
        ASSERT_EQ(ControlButtonsShown(), (std::vector<bool>{true, true, true}));
    }
    ASSERT_EQ(BarItems(), (TCaptions{L"&File", L"&Edit", L"&Window"}));

    HWND childWindow = child->Handle();
    const auto closed = [childWindow] { return !IsWindow(childWindow); };
    switch (leaving.how) {
    case TLeaving::ownCloseButton:
        ClickAt(TitlePoint(*child, 0), closed);
        break;
    case TLeaving::barCloseButton:
        ClickControlButton(CloseButton, closed);
        break;
    case TLeaving::controlF4:
        RunMessageLoopWith({{0, [] { PressKey(VK_F4, VK_CONTROL); }}}, closed);
        PumpMessages();
        break;
    case TLeaving::hidden:
        child->Hide();
        PumpMessages();
        break;
    }

    const bool stays = leaving.how == TLeaving::hidden;
    EXPECT_EQ(frame->MDIChildCount(), leaving.children - (stays ? 0 : 1))
        << (stays ? "the hidden child stays" : "a closed document goes");
    const int remaining = leaving.children - 1;
    const std::wstring next = L"Document " + std::to_wstring(remaining);
    TCaptions windowMenu{L"&Cascade", L"&Tile"};
    if (remaining > 0)
        windowMenu.insert(windowMenu.end(), {L"-", next});
    ASSERT_EQ(WindowMenu(), windowMenu) << "the window menu lists the children left, after a line when there are any";
    if (remaining == 0) {
        EXPECT_EQ(BarItems(), (TCaptions{L"&File", L"&Window"})) << "the child's menu left with it";
        EXPECT_EQ(ControlButtonsShown(), (std::vector<bool>{false, false, false}));
        EXPECT_EQ(WindowText(frame->Handle()), FrameTitle);
        return;
    }
    // The next child is active, maximized when the one that left was, as MDI
    // documents are.
    TCustomForm* nextChild = Child(next);
    ASSERT_NE(nextChild, nullptr);
    EXPECT_EQ(frame->ActiveMDIChild(), nextChild);
    EXPECT_TRUE(frame->WindowMenu()->Items(3)->Checked());
    ASSERT_EQ(BarItems(), (TCaptions{L"&File", L"&Edit", L"&Window"}));
    EXPECT_EQ(IsZoomed(nextChild->Handle()) != FALSE, leaving.maximized);
    EXPECT_EQ(ControlButtonsShown(), std::vector<bool>(3, leaving.maximized));
    EXPECT_EQ(WindowText(frame->Handle()),
              leaving.maximized ? std::wstring(FrameTitle) + L" - [" + next + L"]" : std::wstring(FrameTitle));

    // The edit menu on the bar is the remaining child's own.
    TvelSkinMenuBar* bar = Binding().MenuBar();
    EXPECT_EQ(bar->Buttons(1)->MenuItem()->Owner(), nextChild);
}

TEST_F(MdiDemo, WhenAChildIsClosedOrHiddenTheFrameShowsOnlyTheChildrenThatRemain)
{
    for (const TLeavingCase& leaving : LeavingCases) {
        SCOPED_TRACE(leaving.name);
        Leave(leaving);
        Close();
    }
}

// ---- the window menu after a maximized child was minimized

constexpr TChoiceCase ChoiceCases[] = {
    {"the second of two, with a package", true, 2, L"Document 2"},
    {"the second of two", false, 2, L"Document 2"},
    {"the first of three, with a package", true, 3, L"Document 1"},
};

void MdiDemo::ChooseMinimized(const TChoiceCase& choice)
{
    Open(choice.withPackage, choice.children);
    TCustomForm* chosen = Child(choice.chosen);
    ASSERT_NE(chosen, nullptr);
    DoubleClickTitle(*chosen);
    ASSERT_TRUE(IsZoomed(chosen->Handle()));
    HWND chosenWindow = chosen->Handle();
    ClickControlButton(MinimizeButton, [chosenWindow] { return IsIconic(chosenWindow) != FALSE; });
    ASSERT_TRUE(IsIconic(chosen->Handle()));
    ASSERT_NE(frame->ActiveMDIChild(), chosen);

    {
        // The entry's click runs while the children are listed again.
        const TFreedMemoryWatch watch;
        ChooseFromWindowMenu(choice.chosen);
        EXPECT_EQ(watch.MessagesThroughFreedMemory(), 0) << "the click read its entry after the entry was freed";
    }
    EXPECT_EQ(frame->ActiveMDIChild(), chosen);
    EXPECT_FALSE(IsIconic(chosen->Handle()));
    for (int index = 0; index < frame->MDIChildCount(); ++index)
        if (TCustomForm* other = frame->MDIChildren(index); other != chosen) {
            EXPECT_FALSE(IsZoomed(other->Handle())) << WindowText(other->Handle());
        }
}

TEST_F(MdiDemo, TheWindowMenuChoosesTheMaximizedChildThatWasMinimized)
{
    for (const TChoiceCase& choice : ChoiceCases) {
        SCOPED_TRACE(choice.name);
        ChooseMinimized(choice);
        Close();
    }
}

} // namespace
} // namespace orvane::skin::test
