// The skinned frame keeps its composed bands and its window region, and
// does again only what a change of the window's state asks for: finding
// the title part under the pointer paints nothing, a paint of an unchanged
// frame copies the kept bands, and each change recomposes the bands that
// show it (and cuts the region again only for a new size or skin), with the
// change on the screen.
#include "SkinFixture.h"

#include "core/skinmodel/SkinKeys.h"
#include "skin/TvelSkinWindow.h"

#include <functional>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;
using orvane::test::WaitUntil;

namespace {

TFrameWork operator-(const TFrameWork& after, const TFrameWork& before)
{
    return TFrameWork{after.paints - before.paints, after.titleCompositions - before.titleCompositions,
                      after.borderCompositions - before.borderCompositions, after.regionsSet - before.regionsSet};
}

// The colour the close button's probe pixel has in its pressed frame.
COLORREF PressedColour(const TvelSkinEngine& engine, HWND window, POINT probe)
{
    constexpr int PressedCloseFrame = 17; // from 0: normal 15, hot 16
    const Bitmap* strip = engine.Look().Reader().GetBitmap(SKIN2_TITLEBUTTONS);
    const int width = strip->Width() / ButtonStripFrames;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const FrameMetrics& metrics = engine.Look().Metrics();
    const int x = probe.x - (bounds.right - metrics.buttonX - width);
    const int y = probe.y - (bounds.top + metrics.buttonY);
    return COLORREF(strip->ColorAt(PressedCloseFrame * width + x, y));
}

// A plain window of another class beside the form, which the hand clicks to
// take the activation away from it. An edit box, since a static control lets
// clicks through to whatever lies below it.
class TOtherWindow {
public:
    explicit TOtherWindow(const RECT& besides)
        : window(CreateWindowExW(0, L"EDIT", L"Other", WS_POPUP | WS_VISIBLE | WS_BORDER, besides.right + 20,
                                 besides.top, 120, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~TOtherWindow() { DestroyWindow(window); }
    TOtherWindow(const TOtherWindow&) = delete;
    TOtherWindow& operator=(const TOtherWindow&) = delete;

    POINT Centre() const
    {
        RECT bounds{};
        GetWindowRect(window, &bounds);
        return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    }

private:
    HWND window;
};

} // namespace

TEST_F(Skin, FindingTheTitlePartUnderThePointerPaintsNothing)
{
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    const CloseButtonProbe button = FindCloseButton(*form->Engine, Window());
    ASSERT_GE(button.probe.x, 0);
    const POINT title = EmptyTitlePoint();
    const RECT bounds = WindowRect();
    HWND window = Window();

    // The close button lit, so that the way off it and back on can be seen.
    RunMessageLoopWith({{0,
                         [&] {
                             MoveTo(button.centre);
                             WaitUntil([&] { return ScreenColour(button.probe) == button.hot; });
                         }}},
                       0);
    const TFrameWork before = frame->Work();
    bool backOnClose = false;
    RunMessageLoopWith(
        {{0,
          [&] {
              // Off the button: the title shows it once. Then along the empty
              // title and over the icon, which look the same under the
              // pointer, and the hit tests the system makes for any point of
              // the title, buttons included: nothing to show.
              MoveTo(title);
              for (int step = 1; step <= 8; ++step)
                  MoveTo(POINT{title.x - step * 12, title.y + (step % 3) - 1});
              MoveTo(IconCentre());
              for (int x = bounds.left + 2; x < bounds.right - 2; x += 9)
                  SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, bounds.top + 8));
              // Back onto the button, which the title shows once more: every
              // move before it has been handled once it is lit.
              MoveTo(button.centre);
              backOnClose = WaitUntil([&] {
                  return frame->HotButton() == ClosePart && ScreenColour(button.probe) == button.hot;
              });
          }}},
        0);
    const TFrameWork work = frame->Work() - before;
    EXPECT_TRUE(backOnClose);
    EXPECT_EQ(work.titleCompositions, 2) << "off the button and back on";
    EXPECT_EQ(work.paints, 2) << "only those two changes reach the window";
    EXPECT_EQ(work.borderCompositions, 0);
    EXPECT_EQ(work.regionsSet, 0);
}

TEST_F(Skin, EachChangeOfTheWindowsStateRecomposesOnlyWhatShowsIt)
{
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    const CloseButtonProbe button = FindCloseButton(*form->Engine, Window());
    ASSERT_GE(button.probe.x, 0);
    const COLORREF pressed = PressedColour(*form->Engine, Window(), button.probe);
    const TOtherWindow other(WindowRect());
    const std::wstring caption = L"Another caption";
    const RECT bounds = WindowRect();

    // One state change each, made as the program or the player makes it,
    // and the condition that shows it has happened.
    struct Step {
        const char* name;
        std::function<void()> hand;    // real input, on the hand's thread
        std::function<void()> program; // a change the program makes
        std::function<bool()> done;
        bool title, borders, region;    // recomposed or cut again
    };
    const auto onScreen = [&](COLORREF colour) { return ScreenColour(button.probe) == colour; };
    const std::vector<Step> steps = {
        {"a repaint of the unchanged frame", nullptr,
         [&] { RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); },
         [] { return true; }, false, false, false},
        {"the pointer onto close", [&] { MoveTo(button.centre); }, nullptr,
         [&] { return frame->HotButton() == ClosePart && onScreen(button.hot); }, true, false, false},
        {"close pressed", [] { Button(MOUSEEVENTF_LEFTDOWN); }, nullptr,
         [&] { return frame->ButtonDown() && onScreen(pressed); }, true, false, false},
        {"close released", [] { Button(MOUSEEVENTF_LEFTUP); }, nullptr,
         [&] { return !frame->ButtonDown() && form->closeRequests == 1 && onScreen(button.hot); }, true, false,
         false},
        {"the pointer off close", [&] { MoveTo(EmptyTitlePoint()); }, nullptr,
         [&] { return frame->HotButton() == NoTitlePart && onScreen(button.normal); }, true, false, false},
        {"deactivated", [&] { ClickAtScreen(other.Centre()); }, nullptr, [&] { return !frame->IsActive(); }, true,
         false, false},
        {"activated", [&] { ClickAtScreen(POINT{bounds.left + 30, bounds.bottom - 15}); }, nullptr,
         [&] { return frame->IsActive(); }, true, false, false},
        {"caption changed", nullptr, [&] { form->SetCaption(caption); },
         [&] { return frame->ShownCaption() == caption; }, true, false, false},
        {"resized", nullptr,
         [&] { form->SetBounds(form->Left(), form->Top(), form->Width() + 40, form->Height() + 30); },
         [&] { return frame->WindowWidth() == bounds.right - bounds.left + 40; }, true, true, true},
        {"skin loaded", nullptr, [&] { form->Engine->SetSkinData(StoredSkin()); }, [] { return true; }, true, true,
         true},
    };
    for (const Step& step : steps) {
        const TFrameWork before = frame->Work();
        bool done = false;
        if (step.hand) {
            RunMessageLoopWith({{0,
                                 [&] {
                                     step.hand();
                                     done = WaitUntil(step.done);
                                 }}},
                               0);
        } else {
            step.program();
            PumpMessages();
            done = step.done();
        }
        PumpMessages();
        const TFrameWork work = frame->Work() - before;
        EXPECT_TRUE(done) << step.name;
        EXPECT_GE(work.paints, 1) << step.name << ": the frame reaches the window";
        EXPECT_EQ(work.titleCompositions > 0, step.title) << step.name << ": title " << work.titleCompositions;
        EXPECT_EQ(work.borderCompositions > 0, step.borders) << step.name << ": borders " << work.borderCompositions;
        EXPECT_EQ(work.regionsSet > 0, step.region) << step.name << ": region " << work.regionsSet;
    }
}

} // namespace orvane::skin::test
