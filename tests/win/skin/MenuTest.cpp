// The skinned menu bar and menu items on a form with a main menu, driven by
// real input through the program's own message loop.

#include "SkinFixture.h"

#include "framework/GdiOwners.h"
#include "framework/TApplication.h"
#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinMenuBarControlButton.h"
#include "skin/TvelSkinWindowForm.h"

#include <algorithm>

namespace orvane::skin::test {
namespace {

using namespace framework;
using orvane::test::BarHotButton;
using orvane::test::MenuGone;
using orvane::test::MenuHighlights;
using orvane::test::MenuShown;
using orvane::test::OpenMenuItemRect;
using orvane::test::PressKeySteps;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;
using orvane::test::WaitUntil;

class SkinMenu : public Skin {
protected:
    void SetUp() override
    {
        TSkinTestForm::TLook look;
        look.withMenu = true;
        Open(look);
    }

    TvelSkinWindowForm* Binding() const
    {
        return As<TvelSkinWindowForm>(form->Engine->FindWindowObject(Window()));
    }

    std::vector<const TMenuItem*> BarItems() const
    {
        std::vector<const TMenuItem*> items;
        TvelSkinMenuBar* bar = Binding()->MenuBar();
        for (int index = 0; index < bar->ButtonCount(); ++index)
            if (bar->Buttons(index)->Visible())
                items.push_back(bar->Buttons(index)->MenuItem());
        return items;
    }

    POINT BarButtonCentre(const TMenuItem& item) const
    {
        TvelSkinMenuBar* bar = Binding()->MenuBar();
        for (int index = 0; index < bar->ButtonCount(); ++index)
            if (bar->Buttons(index)->MenuItem() == &item) {
                RECT place = bar->ButtonRect(*bar->Buttons(index));
                MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&place), 2);
                return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
            }
        return POINT{};
    }
};

// What the drop-down of "&File" showed: its items' places and the screen's
// pixels over them, read while it was open.
struct DropDownView {
    RECT open{}, line{}, checked{}, disabled{};
    std::vector<std::vector<COLORREF>> checkedPixels;
    std::vector<std::vector<COLORREF>> disabledPixels;
    std::vector<std::vector<COLORREF>> openPixels;
};

std::vector<std::vector<COLORREF>> ScreenPixels(const RECT& rect)
{
    const TClientDC screen(nullptr);
    std::vector<std::vector<COLORREF>> rows;
    for (int y = rect.top; y < rect.bottom; ++y) {
        rows.emplace_back();
        for (int x = rect.left; x < rect.right; ++x)
            rows.back().push_back(GetPixel(screen.Handle(), x, y));
    }
    return rows;
}

bool Contains(const std::vector<std::vector<COLORREF>>& pixels, COLORREF color, int fromX = 0, int toX = 1 << 20)
{
    for (const auto& row : pixels)
        for (int x = fromX; x < std::min<int>(toX, int(row.size())); ++x)
            if (row[std::size_t(x)] == color)
                return true;
    return false;
}

TEST_F(SkinMenu, TheMenuMovesOntoTheBarAndTheControlsMakeRoomForItUntilTheSkinGoes)
{
    TvelSkinWindowForm* binding = Binding();
    ASSERT_NE(binding, nullptr);
    TvelSkinMenuBar* bar = binding->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(BarItems(), (std::vector<const TMenuItem*>{form->FileItem, form->EditItem, form->HelpItem}));
    EXPECT_EQ(GetMenu(Window()), nullptr) << "the system's menu bar is gone";
    const int height = binding->MenuBarHeight();
    EXPECT_GE(height, 15);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_EQ(form->Panel->Top(), 10 + height);
    EXPECT_EQ(form->BottomPanel->Top() - (form->Panel->Top() + form->Panel->Height()), 70)
        << "the client area grew by the bar's height";

    form->Engine->SetActive(false);
    PumpMessages();
    EXPECT_EQ(GetMenu(Window()), form->MainMenu->Handle()) << "the system's menu bar is back";
    EXPECT_EQ(form->Menu(), form->MainMenu);
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(form->Panel->Top(), 10);
    EXPECT_EQ(form->ClientHeight(), 240);
    EXPECT_EQ(form->BottomPanel->Top(), 200);

    form->Engine->SetActive(true);
    PumpMessages();
    EXPECT_EQ(GetMenu(Window()), nullptr);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(form->Panel->Top(), 10 + binding->MenuBarHeight());
    EXPECT_EQ(BarItems().size(), 3u);
}

TEST_F(SkinMenu, DropDownItemsAreMeasuredAndDrawnFromTheSkin)
{
    const POINT file = BarButtonCentre(*form->FileItem);
    DropDownView view;
    TSkinTestForm* shown = form;
    RunMessageLoopWith({{0,
                         [&] {
                             ClickAtScreen(file);
                             WaitUntil([&] { return !IsRectEmpty(&(view.open = OpenMenuItemRect(*shown->OpenItem))); });
                             // The menu's loop paints the drop-down; its first item is read
                             // until the skin's ground shows past the left column.
                             const COLORREF ground = shown->Engine->Look().MenuColors()[8];
                             const std::size_t middle = std::size_t(view.open.bottom - view.open.top) / 2;
                             if (!IsRectEmpty(&view.open))
                                 WaitUntil([&] {
                                     view.openPixels = ScreenPixels(view.open);
                                     return view.openPixels.size() > middle && view.openPixels[middle].size() > 27 &&
                                            view.openPixels[middle][27] == ground;
                                 });
                             view.line = OpenMenuItemRect(*shown->LineItem);
                             view.checked = OpenMenuItemRect(*shown->CheckedItem);
                             view.disabled = OpenMenuItemRect(*shown->DisabledItem);
                             view.checkedPixels = ScreenPixels(view.checked);
                             view.disabledPixels = ScreenPixels(view.disabled);
                             PressKey(VK_ESCAPE);
                         }}});
    ASSERT_FALSE(IsRectEmpty(&view.open)) << "the drop-down opened";
    EXPECT_EQ(view.line.bottom - view.line.top, 5) << "a separator is 5 high";
    for (const RECT& item : {view.open, view.checked, view.disabled})
        EXPECT_GE(item.bottom - item.top, 21);

    const auto& colors = form->Engine->Look().MenuColors();
    const COLORREF ground = colors[8];
    const int middle = (view.open.bottom - view.open.top) / 2;
    EXPECT_EQ(view.openPixels[std::size_t(middle)][27], ground) << "the ground starts after the 26-wide column";
    if (colors[6] == colors[7]) {
        EXPECT_EQ(view.openPixels[std::size_t(middle)][25], colors[6]) << "a plain left bar";
    } else {
        EXPECT_NE(view.openPixels[std::size_t(middle)][25], ground) << "the left bar's gradient";
    }

    EXPECT_TRUE(Contains(view.disabledPixels, 0x808080, 30)) << "a disabled item's caption is grey";
    if (colors[9] != 0x808080) {
        EXPECT_FALSE(Contains(view.disabledPixels, colors[9], 30));
    }
    bool columnsDiffer = false;
    for (std::size_t y = 0; y < std::min(view.checkedPixels.size(), view.openPixels.size()); ++y)
        for (std::size_t x = 0; x < 26; ++x)
            columnsDiffer = columnsDiffer || view.checkedPixels[y][x] != view.openPixels[y][x];
    EXPECT_TRUE(columnsDiffer) << "the check mark stands in the glyph column of the checked item only";
    EXPECT_TRUE(form->clickedItems.empty()) << "Escape chose nothing";
}

TEST_F(SkinMenu, AClickOnADropDownItemAndReturnOnAHighlightedItemRunIt)
{
    orvane::test::ChooseFromMenuBar(*Binding()->MenuBar(), *form->OpenItem);
    EXPECT_EQ(form->clickedItems, (std::vector<std::wstring>{L"&Open"}));

    // Alt with the access letter opens the menu with its first item
    // highlighted; Return runs it.
    bool opened = false;
    RunMessageLoopWith(
        {{0,
          [&opened] {
              opened = PressKeySteps({{'F', MenuShown(), VK_MENU}, {VK_DOWN, MenuHighlights(2)}, {VK_RETURN, MenuGone()}});
          }}},
        [&] { return form->clickedItems.size() >= 2; });
    ASSERT_TRUE(opened) << "Alt+F opened the menu";
    EXPECT_EQ(form->clickedItems, (std::vector<std::wstring>{L"&Open", L"C&hecked"}))
        << "Open, then down past the line to Checked";

    // The same while a child window (the memo) has the focus.
    form->Memo->SetFocus();
    RunMessageLoopWith({{0, [] { PressKeySteps({{'F', MenuShown(), VK_MENU}, {VK_RETURN, MenuGone()}}); }}},
                       [&] { return form->clickedItems.size() >= 3; });
    EXPECT_EQ(form->clickedItems.back(), L"&Open") << "from the memo";
    form->SetFocus();
    PumpMessages();

    // F10 highlights the first item on the bar; the right arrow moves on,
    // the down arrow opens that item's menu with its first item highlighted.
    HWND bar = Binding()->MenuBar()->Handle();
    RunMessageLoopWith({{0,
                         [&opened, bar] {
                             opened = PressKeySteps({{VK_F10, BarHotButton(bar, 0)},
                                                     {VK_RIGHT, BarHotButton(bar, 1)},
                                                     {VK_DOWN, MenuShown()},
                                                     {VK_RETURN, MenuGone()}});
                         }}},
                       [&] { return form->clickedItems.size() >= 4; });
    ASSERT_TRUE(opened) << "F10, Right and Down opened the second menu";
    EXPECT_EQ(form->clickedItems.back(), L"&Undo");
}

TEST_F(SkinMenu, ShortCutsRunOnlyWhileTheirFormIsActive)
{
    SetForegroundWindow(Window());
    PumpMessages();
    RunMessageLoopWith({{0, [] { PressKey('K', VK_CONTROL); }}}, [&] { return !form->clickedItems.empty(); });
    EXPECT_EQ(form->clickedItems, (std::vector<std::wstring>{L"&Open"}));

    TForm other(nullptr);
    other.SetBounds(20, 20, 200, 120);
    other.Show();
    SetForegroundWindow(other.Handle());
    PumpMessages();
    ASSERT_EQ(GetForegroundWindow(), other.Handle());
    RunMessageLoopWith({{0, [] { PressKey('K', VK_CONTROL); }}});
    EXPECT_EQ(form->clickedItems.size(), 1u) << "the other form is active";
}

class SkinMdiMenu : public SkinMenu {
protected:
    void SetUp() override
    {
        TSkinTestForm::TLook look;
        look.withMenu = true;
        look.formStyle = TFormStyle::fsMDIForm;
        look.borderStyle = TFormBorderStyle::bsSizeable;
        look.borderIcons = biSystemMenu | biMinimize | biMaximize;
        Open(look);
        form->SetWindowMenu(form->HelpItem);
    }
};

TEST_F(SkinMdiMenu, AChildMenuTakesThePlaceOfTheFrameItemsOfItsGroup)
{
    auto* child = Create<TForm>(form);
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    child->SetCaption(L"Child");
    auto* childMenu = Create<TMainMenu>(child);
    auto* childEdit = Create<TMenuItem>(child);
    childEdit->SetCaption(L"Child &Edit");
    childEdit->SetGroupIndex(1);
    auto* undo = Create<TMenuItem>(child);
    undo->SetCaption(L"Undo");
    childEdit->Add(undo);
    childMenu->Items().Add(childEdit);
    child->SetMenu(childMenu);
    child->SetBounds(0, 0, 200, 150);
    // Forms made after the program's start are skinned by the program.
    form->Engine->SkinForm(*child);
    child->Show();
    PumpMessages();
    ASSERT_NE(form->Engine->FindWindowObject(child->Handle()), nullptr) << "the child is skinned";

    EXPECT_EQ(BarItems(), (std::vector<const TMenuItem*>{form->FileItem, childEdit, form->HelpItem}));
    // The window menu lists the children after a line, the active one checked.
    ASSERT_EQ(form->HelpItem->Count(), 3);
    EXPECT_TRUE(form->HelpItem->Items(1)->IsLine());
    EXPECT_EQ(form->HelpItem->Items(2)->Caption(), L"Child");
    EXPECT_TRUE(form->HelpItem->Items(2)->Checked());

    // A maximized child's buttons stand on the frame's bar until it is restored.
    TvelSkinWindowForm* binding = Binding();
    for (int index = 0; index < 3; ++index)
        EXPECT_FALSE(binding->ControlButton(index)->Visible()) << index;
    SendMessageW(form->ClientHandle(), WM_MDIMAXIMIZE, WPARAM(child->Handle()), 0);
    PumpMessages();
    for (int index = 0; index < 3; ++index)
        EXPECT_TRUE(binding->ControlButton(index)->Visible()) << index;
    SendMessageW(form->ClientHandle(), WM_MDIRESTORE, WPARAM(child->Handle()), 0);
    PumpMessages();
    for (int index = 0; index < 3; ++index)
        EXPECT_FALSE(binding->ControlButton(index)->Visible()) << index;

    delete child;
    PumpMessages();
    EXPECT_EQ(BarItems(), (std::vector<const TMenuItem*>{form->FileItem, form->EditItem, form->HelpItem}))
        << "the frame's own items come back with the last child";
}

} // namespace
} // namespace orvane::skin::test
