#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TForm.h"
#include "framework/TGraphicControl.h"
#include "framework/TGroupBox.h"
#include "framework/TImageList.h"
#include "framework/TMenu.h"
#include "framework/TMemo.h"
#include "framework/TPanel.h"
#include "framework/TToolBar.h"

#include "HandInput.h"
#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::MovePointerAway;
using test::MovePointerTo;
using test::PumpMessages;

// A shown form for the tests to put controls on.
class ShownForm : public testing::Test {
protected:
    void SetUp() override
    {
        form = Create<TForm>(nullptr);
        form->SetBorderStyle(TFormBorderStyle::bsSingle);
        form->SetClientSize(300, 200);
        form->SetPosition(TPosition::poScreenCenter);
    }
    void TearDown() override
    {
        delete form;
        MovePointerAway();
    }
    void Show()
    {
        form->Show();
        PumpMessages();
    }
    TPanel* AddPanel(TWinControl* parent, int left, int top, int width, int height, const wchar_t* name)
    {
        auto* panel = Create<TPanel>(form);
        panel->SetName(name);
        panel->SetParent(parent);
        panel->SetBounds(left, top, width, height);
        return panel;
    }

    TForm* form = nullptr;
};

using WindowProcedure = ShownForm;
using PointerTracking = ShownForm;
using Alignment = ShownForm;
using ToolBars = ShownForm;
using Menus = ShownForm;
using GraphicControls = ShownForm;

// A windowless control that fills itself with one colour and records what
// reaches it.
class TSwatch : public TGraphicControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    TSwatch(TComponent* owner, std::vector<std::wstring>& journal) : TGraphicControl(owner), log(journal)
    {
        OnMouseDown = [this](TObject*, TMouseButton, unsigned, int x, int y) {
            log.push_back(Name() + L" down " + std::to_wstring(x) + L"," + std::to_wstring(y));
        };
        OnClick = [this](TObject*) { log.push_back(Name() + L" click"); };
    }

protected:
    void Paint() override
    {
        Canvas().Brush.Color = Color();
        Canvas().FillRect(RECT{0, 0, Width(), Height()});
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_MOUSEENTER)
            log.push_back(Name() + L" enter");
        else if (message.Msg == CM_MOUSELEAVE)
            log.push_back(Name() + L" leave");
        TGraphicControl::WndProc(message);
    }

private:
    std::vector<std::wstring>& log;
};

const TClassInfo TSwatch::ClassInfo{L"TSwatch", &TGraphicControl::ClassInfo, {}};

TEST_F(WindowProcedure, AReplacementSeesEveryMessageFirstAndMayKeepIt)
{
    TPanel* panel = AddPanel(form, 10, 10, 50, 50, L"panel");
    Show();
    std::vector<UINT> seen;
    bool keepText = true;
    TMessageLayerHandle hook = panel->HookWindowProc([&](TMessage& message, const TMessageLayers::TNext& next) {
        seen.push_back(message.Msg);
        if (message.Msg == CM_TEXTCHANGED && keepText)
            return; // swallowed: the panel does not hear of it
        next(message);
    });
    panel->Perform(CM_MOUSEENTER);
    SendMessageW(panel->Handle(), WM_USER + 7, 0, 0);
    panel->SetCaption(L"changed");
    EXPECT_EQ(seen, (std::vector<UINT>{CM_MOUSEENTER, WM_USER + 7, WM_SETTEXT, CM_TEXTCHANGED}));
    EXPECT_EQ(panel->Perform(WM_GETDLGCODE), 0) << "unhandled messages still reach the window's default handling";
    hook.Remove();
    seen.clear();
    panel->Perform(CM_MOUSELEAVE);
    EXPECT_TRUE(seen.empty());
}

TEST_F(PointerTracking, LeaveComesBeforeEnterAndDisabledControlsPassToTheirParent)
{
    TPanel* left = AddPanel(form, 0, 0, 100, 100, L"left");
    TPanel* right = AddPanel(form, 100, 0, 100, 100, L"right");
    TPanel* disabled = AddPanel(form, 200, 0, 100, 100, L"disabled");
    disabled->SetEnabled(false);
    TPanel* holder = AddPanel(form, 0, 100, 100, 100, L"holder");
    TPanel* inner = AddPanel(holder, 20, 20, 40, 40, L"inner");
    holder->SetEnabled(false);
    Show();

    std::vector<std::wstring> events;
    std::vector<TMessageLayerHandle> hooks;
    for (TControl* control : std::vector<TControl*>{form, left, right, disabled, holder, inner})
        hooks.push_back(control->HookWindowProc([&events, control](TMessage& message, const TMessageLayers::TNext& next) {
            if (message.Msg == CM_MOUSEENTER)
                events.push_back(L"enter " + control->Name());
            if (message.Msg == CM_MOUSELEAVE)
                events.push_back(L"leave " + control->Name());
            next(message);
        }));
    form->SetName(L"form");

    const struct {
        TControl* target;
        std::vector<std::wstring> events;
        TControl* underPointer;
    } moves[] = {
        {left, {L"enter left"}, left},
        {right, {L"leave left", L"enter right"}, right},
        {disabled, {L"leave right", L"enter form"}, form},
        {inner, {}, form}, // inside a disabled parent: still the form
    };
    MovePointerAway();
    events.clear();
    for (const auto& move : moves) {
        MovePointerTo(*move.target);
        EXPECT_EQ(events, move.events) << "moving onto " << std::string(move.target->Name().begin(), move.target->Name().end());
        EXPECT_EQ(Application->MouseControl(), move.underPointer);
        events.clear();
    }
    MovePointerAway();
    EXPECT_EQ(events, (std::vector<std::wstring>{L"leave form"}));
    EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(Alignment, EdgesTakeTheirStripsAndClientFillsTheRestInsideTheBevels)
{
    TPanel* leftStrip = AddPanel(form, 0, 0, 120, 10, L"leftStrip");
    leftStrip->SetAlign(TAlign::alLeft);
    leftStrip->SetBevelOuter(TPanelBevel::bvRaised);
    TPanel* rightStrip = AddPanel(form, 0, 0, 40, 10, L"rightStrip");
    rightStrip->SetAlign(TAlign::alRight);
    TPanel* filler = AddPanel(leftStrip, 0, 0, 10, 10, L"filler");
    filler->SetAlign(TAlign::alClient);
    leftStrip->SetBorderWidth(2);
    Show();

    const auto bounds = [](TControl* control) {
        return std::vector<int>{control->Left(), control->Top(), control->Width(), control->Height()};
    };
    EXPECT_EQ(bounds(leftStrip), (std::vector<int>{0, 0, 120, 200}));
    EXPECT_EQ(bounds(rightStrip), (std::vector<int>{260, 0, 40, 200}));
    // One pixel of raised bevel and two of border on each side.
    EXPECT_EQ(bounds(filler), (std::vector<int>{3, 3, 114, 194}));
    form->SetClientSize(400, 250);
    PumpMessages();
    EXPECT_EQ(bounds(rightStrip), (std::vector<int>{360, 0, 40, 250}));
}

TEST_F(Alignment, ASingleBorderShrinksThePanelsClientArea)
{
    TPanel* panel = AddPanel(form, 10, 10, 48, 48, L"panel");
    Show();
    EXPECT_EQ(panel->ClientWidth(), 48);
    panel->SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(panel->ClientWidth(), 46);
    EXPECT_EQ(panel->Width(), 48);
    EXPECT_EQ(test::ScreenPixel(form->Handle(), POINT{10, 30}), GetSysColor(COLOR_WINDOWFRAME));
    panel->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_EQ(panel->ClientWidth(), 48);
}

TEST_F(ToolBars, ACheckGroupKeepsExactlyOneButtonDown)
{
    auto* images = Create<TImageList>(form);
    images->SetWidth(24);
    images->SetHeight(24);
    auto* bar = Create<TToolBar>(form);
    bar->SetParent(form);
    bar->SetAlign(TAlign::alRight);
    bar->SetWidth(38);
    bar->SetFlat(true);
    bar->SetButtonWidth(38);
    bar->SetButtonHeight(34);
    bar->SetImages(images);
    std::vector<TToolButton*> buttons;
    std::vector<std::wstring> clicks;
    for (int i = 0; i < 4; ++i) {
        auto* button = Create<TToolButton>(form);
        button->SetName(L"b" + std::to_wstring(i));
        button->SetParent(bar);
        button->SetWrap(true);
        if (i < 3) {
            button->SetStyle(TToolButtonStyle::tbsCheck);
            button->SetGrouped(true);
        }
        button->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TToolButton*>(sender)->Name()); };
        buttons.push_back(button);
    }
    buttons[0]->SetDown(true);
    buttons[3]->SetHint(L"Plain button");
    buttons[3]->SetShowHint(true);
    Show();

    // One column of buttons of the size asked for.
    for (int i = 0; i < 4; ++i) {
        const RECT rect = bar->ButtonRect(*buttons[std::size_t(i)]);
        EXPECT_EQ(rect.left, 0) << i;
        EXPECT_EQ(rect.right - rect.left, 38) << i;
        EXPECT_EQ(rect.bottom - rect.top, 34) << i;
        if (i > 0) {
            EXPECT_EQ(rect.top, bar->ButtonRect(*buttons[std::size_t(i - 1)]).bottom) << i;
        }
    }

    const auto clickButton = [&](int index) {
        const RECT rect = bar->ButtonRect(*buttons[std::size_t(index)]);
        test::Click(bar->Handle(), POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    };
    const auto downs = [&] {
        return std::vector<bool>{buttons[0]->Down(), buttons[1]->Down(), buttons[2]->Down()};
    };
    EXPECT_EQ(downs(), (std::vector<bool>{true, false, false}));
    clickButton(2);
    EXPECT_EQ(downs(), (std::vector<bool>{false, false, true}));
    clickButton(2);
    EXPECT_EQ(downs(), (std::vector<bool>{false, false, true})) << "pressing the down button keeps it down";
    buttons[1]->SetDown(true);
    EXPECT_EQ(downs(), (std::vector<bool>{false, true, false}));
    buttons[3]->SetEnabled(false);
    clickButton(3);
    buttons[3]->SetEnabled(true);
    clickButton(3);
    EXPECT_EQ(clicks, (std::vector<std::wstring>{L"b2", L"b2", L"b3"})) << "a disabled button takes no click";

    // The tool tip asks the bar for a button's text with a real notification.
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = HWND(SendMessageW(bar->Handle(), TB_GETTOOLTIPS, 0, 0));
    info.hdr.idFrom = UINT_PTR(buttons[3]->Command());
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(bar->Handle(), WM_NOTIFY, 0, LPARAM(&info));
    EXPECT_STREQ(info.lpszText, L"Plain button");
    info.hdr.idFrom = UINT_PTR(buttons[0]->Command());
    SendMessageW(bar->Handle(), WM_NOTIFY, 0, LPARAM(&info));
    EXPECT_STREQ(info.lpszText, L"");
}

TEST_F(ToolBars, ADisabledButtonShowsItsImageGreyedEvenUnderThePressedPointer)
{
    // Two images in strong colours on a clear ground, as tool images are
    // drawn: a red square and a blue one, with soft edges.
    constexpr int Extent = 24;
    constexpr int Margin = 4;
    auto* images = Create<TImageList>(form);
    images->SetWidth(Extent);
    images->SetHeight(Extent);
    {
        TBitmap strip(2 * Extent, Extent);
        Bitmap& pixels = strip.CoreBitmap();
        for (int y = 0; y < Extent; ++y)
            for (int x = 0; x < 2 * Extent; ++x) {
                const int inset = std::min({x % Extent, Extent - 1 - x % Extent, y, Extent - 1 - y});
                const Pixel alpha = inset < Margin - 1 ? 0x00u : inset == Margin - 1 ? 0x80u : 0xFFu;
                pixels.At(x, y) = (alpha << 24) | (x < Extent ? 0xE02020u : 0x2040E0u); // 0xAARRGGBB
            }
        ASSERT_EQ(images->Add(strip.Handle(), nullptr), 0);
    }
    auto* bar = Create<TToolBar>(form);
    bar->SetParent(form);
    bar->SetAlign(TAlign::alRight);
    bar->SetWidth(38);
    bar->SetFlat(true);
    bar->SetButtonWidth(38);
    bar->SetButtonHeight(34);
    bar->SetImages(images);
    std::vector<std::wstring> clicks;
    TToolButton* buttons[2]{};
    for (int i = 0; i < 2; ++i) {
        auto* button = Create<TToolButton>(form);
        button->SetName(L"b" + std::to_wstring(i));
        button->SetParent(bar);
        button->SetWrap(true);
        button->SetImageIndex(i);
        button->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TToolButton*>(sender)->Name()); };
        buttons[i] = button;
    }
    TToolButton& enabled = *buttons[0];
    TToolButton& disabled = *buttons[1];
    disabled.SetEnabled(false);
    Show();

    const auto onScreen = [&](const TToolButton& button) {
        RECT rect = bar->ButtonRect(button);
        MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const auto picture = [&](const TToolButton& button) { return test::ReadScreenPicture(onScreen(button)); };
    const auto clickOn = [&](const TToolButton& button) {
        const RECT rect = onScreen(button);
        const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        test::RunMessageLoopWith({{0, [centre] { test::ClickAtScreen(centre); }}});
    };
    // Greyed as the system greys a disabled image: no colour left, and faded
    // against the bar, far from the picture the enabled state shows.
    const auto expectGreyed = [&](const test::TScreenPicture& shown, const test::TScreenPicture& whenEnabled) {
        EXPECT_EQ(shown.colouredPixels, 0) << "no colour";
        EXPECT_LT(shown.contrast * 10, whenEnabled.contrast * 6) << "faded";
    };
    const test::TScreenPicture red = picture(enabled);
    EXPECT_GT(red.colouredPixels, (Extent - 2 * Margin) * (Extent - 2 * Margin)) << "an enabled image in its colours";
    const test::TScreenPicture blueDisabled = picture(disabled);

    // The pointer over it and the button pressed change nothing.
    clickOn(disabled);
    EXPECT_TRUE(clicks.empty());
    const test::TScreenPicture blueDisabledPressed = picture(disabled);

    disabled.SetEnabled(true);
    MovePointerAway();
    const test::TScreenPicture blue = picture(disabled);
    EXPECT_EQ(blue.colouredPixels, red.colouredPixels) << "enabled again, in its colours";
    expectGreyed(blueDisabled, blue);
    expectGreyed(blueDisabledPressed, blue);
    clickOn(disabled);
    EXPECT_EQ(clicks, (std::vector<std::wstring>{L"b1"}));
    disabled.SetEnabled(false);
    expectGreyed(picture(disabled), blue);
}

TEST_F(Menus, CommandsReachTheirItemsAndHintsReachTheApplication)
{
    auto* menu = Create<TMainMenu>(form);
    auto* file = Create<TMenuItem>(form);
    file->SetCaption(L"File");
    menu->Items().Add(file);
    std::vector<std::int32_t> tags;
    for (int i = 0; i < 3; ++i) {
        auto* item = Create<TMenuItem>(form);
        item->SetCaption(i == 1 ? L"-" : L"Item " + std::to_wstring(i));
        item->SetTag(10 + i);
        item->SetHint(L"Hint " + std::to_wstring(i));
        item->OnClick = [&tags](TObject* sender) { tags.push_back(static_cast<TMenuItem*>(sender)->Tag()); };
        file->Add(item);
    }
    form->SetMenu(menu);
    Show();

    HMENU bar = GetMenu(form->Handle());
    ASSERT_EQ(bar, menu->Handle());
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    wchar_t caption[32] = {};
    GetMenuStringW(popup, 2, caption, 32, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"Item 2");
    EXPECT_EQ(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));

    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(popup, 2), 0), 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(popup, 0), 0), 0);
    EXPECT_EQ(tags, (std::vector<std::int32_t>{12, 10}));
    SendMessageW(form->Handle(), WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(popup, 2), MF_HILITE), LPARAM(popup));
    EXPECT_EQ(Application->Hint(), L"Hint 2");

    // Changing an item makes the menu again; the window shows the new one.
    file->Items(0)->SetCaption(L"Renamed");
    GetMenuStringW(GetSubMenu(GetMenu(form->Handle()), 0), 0, caption, 32, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"Renamed");
    EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
}

} // namespace
} // namespace orvane::framework

namespace orvane::framework {
namespace {

// Two windowless swatches, one on a panel and one on the form itself: each is
// painted by its parent at its place, takes the mouse over its bounds in its
// own coordinates, and is entered and left like a windowed control.
TEST_F(GraphicControls, AreDrawnByTheirParentAndTakeTheMouseOverTheirBounds)
{
    std::vector<std::wstring> log;
    TPanel* panel = AddPanel(form, 10, 10, 120, 100, L"panel");
    panel->SetColor(clWhite);
    auto* onPanel = Create<TSwatch>(form, log);
    onPanel->SetName(L"onPanel");
    onPanel->SetColor(clRed);
    onPanel->SetBounds(30, 20, 40, 30);
    onPanel->SetParent(panel);
    auto* onForm = Create<TSwatch>(form, log);
    onForm->SetName(L"onForm");
    onForm->SetColor(clBlue);
    onForm->SetBounds(200, 50, 30, 30);
    onForm->SetParent(form);
    // A group box is the system's window: it paints itself, then its
    // windowless children.
    auto* group = Create<TGroupBox>(form);
    group->SetBounds(140, 100, 120, 80);
    group->SetParent(form);
    auto* inGroup = Create<TSwatch>(form, log);
    inGroup->SetColor(TColor(RGB(255, 255, 0)));
    inGroup->SetBounds(20, 30, 30, 20);
    inGroup->SetParent(group);
    Show();

    EXPECT_EQ(test::ScreenPixel(panel->Handle(), POINT{35, 25}), RGB(255, 0, 0));
    EXPECT_EQ(test::ScreenPixel(panel->Handle(), POINT{29, 25}), RGB(255, 255, 255)) << "clipped to its bounds";
    EXPECT_EQ(test::ScreenPixel(form->Handle(), POINT{215, 65}), RGB(0, 0, 255));
    EXPECT_EQ(test::ScreenPixel(group->Handle(), POINT{25, 35}), RGB(255, 255, 0));

    MovePointerTo(*onPanel, POINT{5, 6});
    EXPECT_EQ(Application->MouseControl(), onPanel);
    test::Click(panel->Handle(), POINT{35, 26});
    MovePointerTo(*onForm);
    EXPECT_EQ(Application->MouseControl(), onForm);
    MovePointerTo(*panel, POINT{100, 80});
    EXPECT_EQ(Application->MouseControl(), panel);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"onPanel enter", L"onPanel down 5,6", L"onPanel click",
                                              L"onPanel leave", L"onForm enter", L"onForm leave"}));

    // Moved or recoloured, it is painted again at its new place.
    onPanel->SetColor(clLime);
    onPanel->SetLeft(60);
    EXPECT_EQ(test::ScreenPixel(panel->Handle(), POINT{65, 25}), RGB(0, 255, 0));
    EXPECT_EQ(test::ScreenPixel(panel->Handle(), POINT{35, 25}), RGB(255, 255, 255));
}

} // namespace
} // namespace orvane::framework
