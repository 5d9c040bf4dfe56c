#include "ControlsFixture.h"
#include "SkinFixture.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TApplication.h"
#include "framework/TCommonDialog.h"
#include "framework/TComboBox.h"
#include "framework/TDateTimePicker.h"
#include "framework/TEdit.h"
#include "framework/TListBox.h"
#include "framework/TScrollBar.h"
#include "framework/TStringGrid.h"
#include "skin/SkinMessages.h"
#include "skin/TvelSkinWindow.h"
#include "skin/painters/ScrollBarDrawing.h"
#include "skin/controls/TvelSkinDateTimePicker.h"
#include "skin/controls/TvelSkinScrollBar.h"
#include "skin/controls/TvelSkinScrollWinControl.h"

#include <algorithm>
#include <string>
#include <thread>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::Pace;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;
using orvane::test::WaitUntil;

namespace {

// The skinned test form with controls that scroll: a memo with a vertical
// scroll bar and more lines than it shows, a memo with both bars and lines
// longer than it is wide, a single-line edit, a list box, a string grid
// larger than its window and a drop-down combo box. The engine comes last,
// so that it finds them.
class TScrollTestForm : public TSkinTestForm {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TScrollTestForm(TComponent* owner) : TSkinTestForm(owner)
    {
        BeginLayout();
        SetClientSize(740, 400);
        ScrollMemo = Create<TMemo>(this);
        ScrollMemo->SetParent(this);
        ScrollMemo->SetScrollBars(TScrollStyle::ssVertical);
        ScrollMemo->SetBounds(370, 10, 150, 100);
        std::vector<std::wstring> lines;
        for (int line = 1; line <= 60; ++line)
            lines.push_back(L"Line " + std::to_wstring(line));
        ScrollMemo->SetLines(lines);

        WideMemo = Create<TMemo>(this);
        WideMemo->SetParent(this);
        WideMemo->SetScrollBars(TScrollStyle::ssBoth);
        WideMemo->SetWordWrap(false);
        WideMemo->SetBounds(370, 255, 340, 135);
        std::vector<std::wstring> wideLines;
        for (int line = 1; line <= 60; ++line)
            wideLines.push_back(L"Line " + std::to_wstring(line) + L" " + std::wstring(120, L'w'));
        WideMemo->SetLines(wideLines);

        Edit = Create<TEdit>(this);
        Edit->SetParent(this);
        Edit->SetBounds(370, 120, 150, 21);
        Edit->SetText(L"Single line");

        Combo = Create<TComboBox>(this);
        Combo->SetParent(this);
        Combo->SetStyle(TComboBoxStyle::csDropDownList);
        Combo->SetBounds(370, 160, 150, 21);
        for (int item = 1; item <= 12; ++item)
            Combo->AddItem(L"Choice " + std::to_wstring(item));
        Combo->SetItemIndex(0);

        List = Create<TListBox>(this);
        List->SetParent(this);
        List->SetBounds(530, 150, 150, 90);
        for (int item = 1; item <= 40; ++item)
            List->AddItem(L"Item " + std::to_wstring(item));

        Grid = Create<TStringGrid>(this);
        Grid->SetParent(this);
        Grid->SetBounds(530, 10, 200, 130);
        Grid->SetSize(12, 40);

        Date = Create<TDateTimePicker>(this);
        Date->SetParent(this);
        Date->SetBounds(370, 190, 150, 21);
        PlainDate = Create<TDateTimePicker>(this);
        PlainDate->SetParent(this);
        PlainDate->SetTag(UnskinnedTag);
        PlainDate->SetBounds(10, 150, 150, 21);
        Time = Create<TDateTimePicker>(this);
        Time->SetParent(this);
        Time->SetKind(TDateTimeKind::dtkTime);
        Time->SetBounds(370, 220, 150, 21);

        Bar = Create<TScrollBar>(this);
        Bar->SetParent(this);
        Bar->SetKind(TScrollBarKind::sbVertical);
        Bar->SetBounds(700, 150, 17, 90);
        Bar->SetParams(0, 0, 100, 10);

        Engine = Create<TvelSkinEngine>(this);
        Engine->SetName(L"velSkinEngine1");
        Engine->SetActive(true);
        Engine->SetBuiltIn(true);
        Engine->SetSkinData(StoredSkin());
        EndLayout();
    }

    TMemo* ScrollMemo = nullptr;
    TMemo* WideMemo = nullptr;
    TEdit* Edit = nullptr;
    TComboBox* Combo = nullptr;
    TListBox* List = nullptr;
    TStringGrid* Grid = nullptr;
    TScrollBar* Bar = nullptr;
    TDateTimePicker* Date = nullptr;
    TDateTimePicker* Time = nullptr;
    TDateTimePicker* PlainDate = nullptr; // keeps the system's look: the engine's disabled tag
    static constexpr int UnskinnedTag = 9999;
};

const TClassInfo TScrollTestForm::ClassInfo{L"TScrollTestForm", &TSkinTestForm::ClassInfo, {}};

// Where a skinned scroll bar's thumb is drawn on the screen: the first and
// the last pixel along the bar's middle line, between its two arrow squares,
// whose colour is not the track's, counted from the bar's start; -1 for
// none. It reads the screen alone, so the hand may call it while the
// program is busy inside a drag.
struct TThumbSpan {
    int first = -1;
    int last = -1;
};

TThumbSpan ThumbOnScreen(const RECT& bar, bool vertical, COLORREF track)
{
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
    const int width = vertical ? 1 : length;
    const int height = vertical ? length : 1;
    const TClientDC screen(nullptr);
    TMemoryDC memory(screen.Handle());
    TBitmapHandle line(CreateCompatibleBitmap(screen.Handle(), width, height));
    TSelectedObject selection;
    selection.Select(memory.Handle(), line.Get());
    BitBlt(memory.Handle(), 0, 0, width, height, screen.Handle(), vertical ? (bar.left + bar.right) / 2 : bar.left,
           vertical ? bar.top : (bar.top + bar.bottom) / 2, SRCCOPY);
    TThumbSpan span;
    for (int at = thickness; at < length - thickness; ++at) {
        if (GetPixel(memory.Handle(), vertical ? 0 : at, vertical ? at : 0) == track)
            continue;
        if (span.first < 0)
            span.first = at;
        span.last = at;
    }
    return span;
}

class SkinScrolling : public testing::Test {
protected:
    void SetUp() override
    {
        orvane::test::MovePointerAway();
        TSkinTestForm::TLook look;
        look.withEngine = false;
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

    template <class T = TvelSkinScrollWinControl>
    T* SkinOf(const TWinControl& control) const
    {
        const TvelSkinWindow* window = form->Engine->FindWindowObject(form->Handle());
        if (!window)
            return nullptr;
        for (const auto& skin : window->ControlSkins())
            if (skin->Handle() == control.WindowHandle())
                return dynamic_cast<T*>(skin.get());
        return nullptr;
    }

    // The control's vertical scroll bar on the screen, from the system.
    static SCROLLBARINFO VerticalBar(const TWinControl& control)
    {
        SCROLLBARINFO info{};
        EXPECT_TRUE(QueryScrollBarInfo(control.WindowHandle(), OBJID_VSCROLL, info));
        return info;
    }

    // A control's window rectangle in the form's client area.
    RECT OnForm(const TWinControl& control) const
    {
        RECT rect{};
        GetWindowRect(control.WindowHandle(), &rect);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // The pixels of the control's vertical scroll bar that show the skin's
    // scroll-bar colour.
    int SkinTrackPixels(const TWinControl& control) const
    {
        RECT bar = VerticalBar(control).rcScrollBar;
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&bar), 2);
        return TClientPixels(form->Handle()).Count(form->Engine->Look().GetSkinColor(SKIN2_SCROLLBARCOLOR), bar);
    }

    static int FirstVisibleLine(const TMemo& memo)
    {
        return int(SendMessageW(memo.WindowHandle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }

    TScrollTestForm* form = nullptr;
};

} // namespace

TEST_F(SkinScrolling, AMemoGetsBorderAndScrollBarFacesASingleLineEditOnlyTheBorder)
{
    const COLORREF border = form->Engine->Look().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
    const TClientPixels pixels(form->Handle());
    for (const TWinControl* control : std::initializer_list<const TWinControl*>{form->ScrollMemo, form->Edit}) {
        const RECT rect = OnForm(*control);
        EXPECT_EQ(pixels.At(rect.left, rect.top), border);
        EXPECT_EQ(pixels.At(rect.right - 1, rect.bottom - 1), border);
    }

    TvelSkinScrollWinControl* memoSkin = SkinOf(*form->ScrollMemo);
    ASSERT_NE(memoSkin, nullptr);
    ASSERT_NE(memoSkin->VerticalOverlay(), nullptr);
    EXPECT_TRUE(memoSkin->VerticalOverlay()->Visible());
    EXPECT_FALSE(memoSkin->HorizontalOverlay() && memoSkin->HorizontalOverlay()->Visible())
        << "the memo has no horizontal bar";
    EXPECT_GT(SkinTrackPixels(*form->ScrollMemo), 0);

    TvelSkinScrollWinControl* editSkin = SkinOf(*form->Edit);
    ASSERT_NE(editSkin, nullptr);
    EXPECT_EQ(editSkin->VerticalOverlay(), nullptr);
    EXPECT_EQ(editSkin->HorizontalOverlay(), nullptr);
}

TEST_F(SkinScrolling, WithoutScrollBarDrawingTheSystemsScrollBarsShow)
{
    ASSERT_GT(SkinTrackPixels(*form->ScrollMemo), 0);
    form->Engine->SetDrawScrollBar(false);
    for (const TWinControl* control :
         std::initializer_list<const TWinControl*>{form->ScrollMemo, form->List, form->Bar})
        RedrawWindow(control->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpMessages();

    for (const TWinControl* control : std::initializer_list<const TWinControl*>{form->ScrollMemo, form->List}) {
        TvelSkinScrollWinControl* skin = SkinOf(*control);
        ASSERT_NE(skin, nullptr);
        ASSERT_NE(skin->VerticalOverlay(), nullptr);
        EXPECT_FALSE(skin->VerticalOverlay()->Visible());
        EXPECT_EQ(SkinTrackPixels(*control), 0);
    }
    // A scroll-bar control's face goes too, leaving no stale picture.
    TvelSkinScrollBar* barSkin = SkinOf<TvelSkinScrollBar>(*form->Bar);
    ASSERT_NE(barSkin, nullptr);
    ASSERT_NE(barSkin->Overlay(), nullptr);
    EXPECT_FALSE(barSkin->Overlay()->Visible());
}

TEST_F(SkinScrolling, AClickOnAScrollBarControlsFaceMovesIt)
{
    TvelSkinScrollBar* skin = SkinOf<TvelSkinScrollBar>(*form->Bar);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->Overlay(), nullptr);
    EXPECT_TRUE(skin->Overlay()->Visible());
    RECT bar{};
    GetWindowRect(form->Bar->WindowHandle(), &bar);
    const POINT downArrow{(bar.left + bar.right) / 2, bar.bottom - (bar.right - bar.left) / 2};
    EXPECT_EQ(WindowFromPoint(downArrow), skin->Overlay()->Handle()) << "the face lies over the bar";

    RunMessageLoopWith({{0, [downArrow] { MoveTo(downArrow); }},
                        {50, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {120, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                       [&] { return form->Bar->Position() != 0; });
    EXPECT_EQ(form->Bar->Position(), 1);
}

TEST_F(SkinScrolling, AnOversizedScrollBarIsLeftToTheSystem)
{
    // The system's scroll bars made wider than a face is laid over, for this
    // test only.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    struct TRestoredMetrics {
        NONCLIENTMETRICSW saved;
        ~TRestoredMetrics() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(saved), &saved, 0); }
    } restore{metrics};
    metrics.iScrollWidth = 110;
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));

    HWND memo = form->ScrollMemo->WindowHandle();
    SetWindowPos(memo, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(memo, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpMessages();
    const RECT bar = VerticalBar(*form->ScrollMemo).rcScrollBar;
    ASSERT_GT(bar.right - bar.left, 100) << "the system widened the bar";

    TvelSkinScrollWinControl* skin = SkinOf(*form->ScrollMemo);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->VerticalOverlay(), nullptr);
    EXPECT_FALSE(skin->VerticalOverlay()->Visible());
    EXPECT_EQ(SkinTrackPixels(*form->ScrollMemo), 0);
}

TEST_F(SkinScrolling, AClickOnAScrollBarFaceScrollsTheControl)
{
    struct Case {
        const char* name;
        bool onArrow; // the down arrow (a line), or the track below the thumb (a page)
    } const cases[] = {
        {"down arrow", true},
        {"track below the thumb", false},
    };
    const int pageLines = [&] {
        RECT client{};
        GetClientRect(form->ScrollMemo->WindowHandle(), &client);
        const TEXTMETRICW metrics = [&] {
            TEXTMETRICW found{};
            const TClientDC dc(form->ScrollMemo->WindowHandle());
            TSelectedObject font;
            font.Select(dc.Handle(), reinterpret_cast<HGDIOBJ>(
                                         SendMessageW(form->ScrollMemo->WindowHandle(), WM_GETFONT, 0, 0)));
            GetTextMetricsW(dc.Handle(), &found);
            return found;
        }();
        return int(client.bottom / metrics.tmHeight);
    }();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SendMessageW(form->ScrollMemo->WindowHandle(), WM_VSCROLL, SB_TOP, 0);
        PumpMessages();
        ASSERT_EQ(FirstVisibleLine(*form->ScrollMemo), 0);
        const SCROLLBARINFO bar = VerticalBar(*form->ScrollMemo);
        const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
        const int arrow = bar.rcScrollBar.right - bar.rcScrollBar.left;
        const int length = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
        const int y = bar.rcScrollBar.top +
                      (test.onArrow ? length - arrow / 2 : (bar.xyThumbBottom + length - arrow) / 2);
        const POINT at{x, y};
        TvelSkinScrollWinControl* skin = SkinOf(*form->ScrollMemo);
        ASSERT_NE(skin, nullptr);
        ASSERT_NE(skin->VerticalOverlay(), nullptr);
        EXPECT_EQ(WindowFromPoint(at), skin->VerticalOverlay()->Handle()) << "the face lies over the bar";

        RunMessageLoopWith({{0, [at] { MoveTo(at); }},
                            {50, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                            {120, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                           [&] { return FirstVisibleLine(*form->ScrollMemo) != 0; });
        EXPECT_EQ(FirstVisibleLine(*form->ScrollMemo), test.onArrow ? 1 : pageLines);
    }
}

TEST_F(SkinScrolling, DraggingTheThumbOfAFaceScrollsTheControl)
{
    struct Case {
        const char* name;
        TWinControl* control;
        std::function<int()> position;
    } const cases[] = {
        {"memo", form->ScrollMemo, [this] { return FirstVisibleLine(*form->ScrollMemo); }},
        {"grid, whose thumb the face tracks", form->Grid, [this] { return form->Grid->TopRow() - 1; }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_EQ(test.position(), 0);
        const SCROLLBARINFO bar = VerticalBar(*test.control);
        const POINT from{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                         bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
        const POINT to{from.x, from.y + 40};
        TvelSkinScrollWinControl* skin = SkinOf(*test.control);
        ASSERT_NE(skin, nullptr);
        ASSERT_NE(skin->VerticalOverlay(), nullptr);
        EXPECT_EQ(WindowFromPoint(from), skin->VerticalOverlay()->Handle()) << "the face lies over the thumb";
        RunMessageLoopWith({{0, [from] { MoveTo(from); }},
                            {50, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                            {100, [from] { MoveTo(POINT{from.x, from.y + 20}); }},
                            {150, [to] { MoveTo(to); }},
                            {300, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                           [&] { return test.position() > 0; });
        EXPECT_GT(test.position(), 0);
        const SCROLLBARINFO after = VerticalBar(*test.control);
        EXPECT_GT(after.xyThumbTop, bar.xyThumbTop);
    }
}

TEST_F(SkinScrolling, TheThumbOfADraggedFaceFollowsThePointerOnTheScreen)
{
    struct Case {
        const char* name;
        TWinControl* control;
        bool vertical;
    } const cases[] = {
        {"memo, vertical bar", form->WideMemo, true},
        {"memo, horizontal bar", form->WideMemo, false},
        {"list box, whose thumb the system moves", form->List, true},
    };
    constexpr int Travel = 24;
    constexpr int Slack = 3; // the list box's thumb moves by whole items
    const COLORREF track = form->Engine->Look().GetSkinColor(SKIN2_SCROLLBARCOLOR);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        HWND control = test.control->WindowHandle();
        const LONG barId = test.vertical ? OBJID_VSCROLL : OBJID_HSCROLL;
        SCROLLBARINFO bar{};
        ASSERT_TRUE(QueryScrollBarInfo(control, barId, bar));
        const RECT area = bar.rcScrollBar;
        PumpMessages();
        const TThumbSpan before = ThumbOnScreen(area, test.vertical, track);
        ASSERT_GE(before.first, 0) << "the face shows a thumb";
        const int middle = (before.first + before.last) / 2;
        const POINT from = test.vertical ? POINT{(area.left + area.right) / 2, area.top + middle}
                                         : POINT{area.left + middle, (area.top + area.bottom) / 2};
        const auto along = [&](int distance) {
            return test.vertical ? POINT{from.x, from.y + distance} : POINT{from.x + distance, from.y};
        };

        // Mid-drag, with the button still held, the thumb on the screen has
        // gone with the pointer.
        TThumbSpan during;
        RunMessageLoopWith({{0, [&] { MoveTo(from); }},
                            {50, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                            {100, [&] { MoveTo(along(Travel / 2)); }},
                            {150,
                             [&] {
                                 MoveTo(along(Travel));
                                 WaitUntil([&] {
                                     during = ThumbOnScreen(area, test.vertical, track);
                                     return during.first - before.first >= Travel - Slack;
                                 });
                                 Button(MOUSEEVENTF_LEFTUP);
                             }}});
        EXPECT_NEAR(during.first - before.first, Travel, Slack) << "the thumb follows the drag";
        EXPECT_NEAR(during.last - during.first, before.last - before.first, 1) << "and keeps its length";

        // Released, it stays where the system puts it.
        PumpMessages();
        ASSERT_TRUE(QueryScrollBarInfo(control, barId, bar));
        EXPECT_EQ(ThumbOnScreen(area, test.vertical, track).first, bar.xyThumbTop);
        EXPECT_GT(bar.xyThumbTop, before.first);
    }
}

TEST_F(SkinScrolling, TheSkinnedComboBoxDropsDownOnAClickOnItsButton)
{
    HWND combo = form->Combo->WindowHandle();
    COMBOBOXINFO info{};
    ASSERT_TRUE(QueryComboBoxInfo(combo, info));
    RECT button = info.rcButton;
    const TClientPixels pixels(combo);
    const int area = (button.right - button.left) * (button.bottom - button.top);
    EXPECT_GT(pixels.Count(form->Engine->Look().GetSkinColor(SKIN2_CONTROLCOLOR), button), area / 2)
        << "the button is drawn in the skin's control colour";
    EXPECT_EQ(pixels.At(button.left, (button.top + button.bottom) / 2),
              form->Engine->Look().GetSkinColor(SKIN2_CONTROLBORDERCOLOR));

    POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(combo, &centre);
    RunMessageLoopWith({{0, [centre] { MoveTo(centre); }},
                        {50, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {110, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                       [&] { return form->Combo->DroppedDown(); });
    EXPECT_TRUE(form->Combo->DroppedDown());
    RunMessageLoopWith({{0, [] { PressKey(VK_ESCAPE); }}}, [&] { return !form->Combo->DroppedDown(); });
    EXPECT_FALSE(form->Combo->DroppedDown());
}

TEST_F(SkinScrolling, ADatePickerOpensItsCalendarFromTheSkinnedButtonATimePickerShowsSkinnedArrows)
{
    TvelSkinDateTimePicker* date = SkinOf<TvelSkinDateTimePicker>(*form->Date);
    TvelSkinDateTimePicker* time = SkinOf<TvelSkinDateTimePicker>(*form->Time);
    ASSERT_NE(date, nullptr);
    ASSERT_NE(time, nullptr);
    ASSERT_NE(date->ComboButton(), nullptr);
    EXPECT_TRUE(date->ComboButton()->Visible());
    EXPECT_FALSE(date->UpDown() && date->UpDown()->Visible());
    EXPECT_FALSE(time->ComboButton() && time->ComboButton()->Visible());
    ASSERT_NE(time->UpDown(), nullptr);
    EXPECT_TRUE(time->UpDown()->Visible()) << "skinned arrows in place of the picker's own";

    RECT button{};
    GetWindowRect(date->ComboButton()->Handle(), &button);
    const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    EXPECT_EQ(WindowFromPoint(centre), date->ComboButton()->Handle());
    const auto calendarShown = [&] {
        HWND calendar = reinterpret_cast<HWND>(SendMessageW(form->Date->WindowHandle(), DTM_GETMONTHCAL, 0, 0));
        return calendar && IsWindowVisible(calendar);
    };
    RunMessageLoopWith({{0, [centre] { MoveTo(centre); }},
                        {50, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {110, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                       calendarShown);
    EXPECT_TRUE(calendarShown()) << "the calendar dropped down";
    RunMessageLoopWith({{0, [] { PressKey(VK_ESCAPE); }}}, [&] { return !calendarShown(); });
}

TEST_F(SkinScrolling, ADatePickersCalendarClosesOnEscapeAndOnAClickOutsideAsTheSystemsDoes)
{
    // A free spot of the form, away from every control.
    const POINT outside = form->ClientToScreen(POINT{250, 165});
    ASSERT_EQ(WindowFromPoint(outside), form->Handle());
    const auto calendarOf = [](const TDateTimePicker& picker) {
        return reinterpret_cast<HWND>(SendMessageW(picker.WindowHandle(), DTM_GETMONTHCAL, 0, 0));
    };
    // The point that drops the calendar down: the skinned button, or the
    // picker's own button at its right end.
    const auto dropDownPoint = [this](const TDateTimePicker& picker) {
        if (picker.Tag() != TScrollTestForm::UnskinnedTag) {
            const TvelSkinDateTimePicker* skin = SkinOf<TvelSkinDateTimePicker>(picker);
            EXPECT_TRUE(skin && skin->ComboButton() && skin->ComboButton()->Visible());
            if (skin && skin->ComboButton()) {
                RECT button{};
                GetWindowRect(skin->ComboButton()->Handle(), &button);
                EXPECT_EQ(WindowFromPoint(POINT{button.left + 2, button.top + 2}), skin->ComboButton()->Handle());
                return POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
            }
        }
        return picker.ClientToScreen(POINT{picker.ClientWidth() - 6, picker.ClientHeight() / 2});
    };

    struct Case {
        const char* name;
        TDateTimePicker* picker;
        bool escape; // the Escape key, or a click outside
    } const cases[] = {
        {"skinned, Escape", form->Date, true},
        {"skinned, a click outside", form->Date, false},
        {"system's look, Escape", form->PlainDate, true},
        {"system's look, a click outside", form->PlainDate, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        HWND calendar = calendarOf(*test.picker);
        ASSERT_NE(calendar, nullptr);
        const POINT dropDown = dropDownPoint(*test.picker);
        bool shown = false, closed = false, shownAgain = false;
        // The hand waits for the calendar to show or to go, as a player looks.
        RunMessageLoopWith({{0, [&] { MoveTo(dropDown); }},
                            {60,
                             [&] {
                                 Button(MOUSEEVENTF_LEFTDOWN);
                                 Pace(40);
                                 Button(MOUSEEVENTF_LEFTUP);
                                 shown = WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; });
                             }},
                            {60,
                             [&] {
                                 if (test.escape)
                                     PressKey(VK_ESCAPE);
                                 else
                                     ClickAtScreen(outside);
                                 closed = WaitUntil([&] { return !IsWindowVisible(calendar); });
                             }},
                            // The picker goes on working: its button drops the calendar
                            // down again.
                            {60,
                             [&] {
                                 ClickAtScreen(dropDown);
                                 shownAgain = WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; });
                                 PressKey(VK_ESCAPE);
                                 WaitUntil([&] { return !IsWindowVisible(calendar); });
                             }}});
        EXPECT_TRUE(shown) << "the calendar dropped down";
        EXPECT_TRUE(closed) << "and went again";
        EXPECT_TRUE(shownAgain) << "the picker drops it down again";
        if (IsWindowVisible(calendar))
            ShowWindow(calendar, SW_HIDE);
        PumpMessages();
    }
}

TEST_F(Skin, TheOpenDialogsComboBoxesGetTheSkinnedButton)
{
    struct TComboSeen {
        LRESULT skinned = -1;
        int buttonArea = 0;
        int skinColoured = 0;
        COLORREF innerEdge = 0;
    };
    std::vector<TComboSeen> seen;
    const COLORREF controlColor = form->Engine->Look().GetSkinColor(SKIN2_CONTROLCOLOR);
    std::thread hand([&] {
        HWND dialog = WaitForWindow(L"#32770");
        if (!dialog)
            return;
        // The dialog's combo boxes as they are now on the screen.
        const auto look = [&] {
            seen.clear();
            for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t name[32] = L"";
                GetClassNameW(child, name, 32);
                COMBOBOXINFO info{};
                if (_wcsicmp(name, L"ComboBox") != 0 || !IsWindowVisible(child) || !QueryComboBoxInfo(child, info))
                    continue;
                TComboSeen combo;
                combo.skinned = SendMessageW(child, SKM_ISSKINNED, 0, 0);
                const RECT& button = info.rcButton;
                combo.buttonArea = (button.right - button.left) * (button.bottom - button.top);
                const TClientPixels pixels(child);
                combo.skinColoured = pixels.Count(controlColor, button);
                combo.innerEdge = pixels.At(button.left, (button.top + button.bottom) / 2);
                seen.push_back(combo);
            }
        };
        // Looked at until the dialog has laid out and painted its combo
        // boxes; what is seen last is checked below.
        const COLORREF border = form->Engine->Look().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
        WaitUntil([&] {
            look();
            return !seen.empty() && std::all_of(seen.begin(), seen.end(), [border](const TComboSeen& combo) {
                return combo.skinned == 1 && combo.skinColoured > combo.buttonArea / 2 && combo.innerEdge == border;
            });
        });
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(L"Skin packages (*.ssk)|*.ssk");
    EXPECT_FALSE(dialog.Execute());
    hand.join();

    ASSERT_FALSE(seen.empty()) << "the open dialog has combo boxes";
    for (const TComboSeen& combo : seen) {
        EXPECT_EQ(combo.skinned, 1);
        EXPECT_GT(combo.skinColoured, combo.buttonArea / 2) << "the button in the skin's control colour";
        EXPECT_EQ(combo.innerEdge, form->Engine->Look().GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
    }
}

} // namespace orvane::skin::test
