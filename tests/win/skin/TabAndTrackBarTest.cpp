#include "ControlsFixture.h"

#include "core/skinmodel/SkinKeys.h"

#include <commctrl.h>

#include <map>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::RunMessageLoopWith;

namespace {

RECT TabRect(HWND tabs, int index)
{
    RECT rect{};
    SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

} // namespace

// The selected tab shows the skin's first tab frame and the others its
// second; a click on another tab selects it and the frames follow.
TEST_F(SkinControls, TheSelectedTabShowsTheSkinsFirstTabFrameAndAClickSelectsAnother)
{
    const TTabFrameColours colours(*form->Engine);
    ASSERT_FALSE(colours.activeOnly.empty());
    ASSERT_FALSE(colours.inactiveOnly.empty());

    TTabControl& tabs = *form->Tabs;
    HWND window = tabs.Handle();
    const auto expectSelected = [&](int selected) {
        const TClientPixels pixels(window);
        for (int index = 0; index < 3; ++index) {
            SCOPED_TRACE(index);
            const RECT tab = TabRect(window, index);
            const int area = (tab.right - tab.left) * (tab.bottom - tab.top);
            const auto& own = index == selected ? colours.activeOnly : colours.inactiveOnly;
            const auto& other = index == selected ? colours.inactiveOnly : colours.activeOnly;
            EXPECT_GT(pixels.Count(own, tab), area / 3);
            EXPECT_EQ(pixels.Count(other, tab), 0);
        }
    };
    EXPECT_EQ(tabs.TabIndex(), 0);
    expectSelected(0);

    const RECT second = TabRect(window, 1);
    const POINT at = tabs.ClientToScreen(POINT{(second.left + second.right) / 2, (second.top + second.bottom) / 2});
    RunMessageLoopWith({{0, [&] { MoveTo(at); }},
                        {70, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {140, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                       [&] { return tabs.TabIndex() != 0; });
    EXPECT_EQ(tabs.TabIndex(), 1);
    EXPECT_EQ(form->tabChanges, 1);
    expectSelected(1);
}

// Dragging the thumb moves the value, and the skin's thumb image goes with it.
TEST_F(SkinControls, ATrackBarsThumbFollowsADrag)
{
    TvelSkinEngine& engine = *form->Engine;
    Bitmap slider;
    ASSERT_TRUE(engine.Look().GetSkinBitmap(SKIN2_TRACKBARSLIDER, slider, 1, 1));
    // The slider's commonest colour, which neither channel nor form has.
    std::map<COLORREF, int> counts;
    for (int y = 0; y < slider.Height(); ++y)
        for (int x = 0; x < slider.Width(); ++x)
            ++counts[slider.ColorAt(x, y)];
    counts.erase(engine.Look().GetSkinColor(SKIN2_TRANSCOLOR));
    ASSERT_FALSE(counts.empty());
    const COLORREF thumbColour =
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;

    TTrackBar& track = *form->Track;
    HWND window = track.Handle();
    ASSERT_EQ(track.Position(), 0);
    RECT before{}, channel{};
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&before));
    SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    EXPECT_GT(TClientPixels(window).Count(thumbColour, before), 0);

    const POINT grip = track.ClientToScreen(POINT{(before.left + before.right) / 2, (before.top + before.bottom) / 2});
    const int targetX = channel.left + (channel.right - channel.left) * 3 / 4;
    const POINT target = track.ClientToScreen(POINT{targetX, (before.top + before.bottom) / 2});
    const POINT halfway{(grip.x + target.x) / 2, grip.y};
    RunMessageLoopWith({{0, [&] { MoveTo(grip); }},
                        {70, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {140, [&] { MoveTo(halfway); }},
                        {210, [&] { MoveTo(target); }},
                        {290, [] { Button(MOUSEEVENTF_LEFTUP); }}});
    EXPECT_GE(track.Position(), 6);
    EXPECT_LE(track.Position(), 9);
    RECT after{};
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&after));
    ASSERT_GE(after.left, before.right) << "the thumb moved clear of where it was";
    const TClientPixels pixels(window);
    // At least half the share the colour has in the image: the thumb is the
    // image stretched.
    const int thumbArea = (after.right - after.left) * (after.bottom - after.top);
    EXPECT_GT(pixels.Count(thumbColour, after) * 2 * slider.Width() * slider.Height(),
              counts[thumbColour] * thumbArea);
    EXPECT_EQ(pixels.Count(thumbColour, before), 0);
}

} // namespace orvane::skin::test
