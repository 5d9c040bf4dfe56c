#include "core/skincontrols/PushButtonClicks.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

// What the player does, one letter a step:
//   A  the pointer activates the button's inactive window for the next press
//   P  left press, the window active      p  left press, the window inactive
//   R  left release over the button       D  second press of a double click
//   K  a key goes down on the button
//   S  Space goes up, the button ready    s  Space goes up, the button not ready
//   O  another key goes up
int ClicksAfter(const std::string& steps)
{
    PushButtonClicks clicks;
    int count = 0;
    for (const char step : steps) {
        switch (step) {
        case 'A': clicks.Activating(true); break;
        case 'P': clicks.Press(true); break;
        case 'p': clicks.Press(false); break;
        case 'R': count += clicks.Release(); break;
        case 'D': count += clicks.DoubleClick(); break;
        case 'K': clicks.KeyDown(); break;
        case 'S': count += clicks.KeyUp(true, true); break;
        case 's': count += clicks.KeyUp(true, false); break;
        case 'O': count += clicks.KeyUp(false, true); break;
        default: ADD_FAILURE() << "unknown step " << step;
        }
    }
    return count;
}

struct ClicksCase {
    const char* name;
    const char* steps;
    int clicks;
};

const ClicksCase Cases[] = {
    {"press and release", "PR", 1},
    {"a release without a press over the button", "R", 0},
    // The release that never came (it went up elsewhere) leaves nothing armed
    // for a later release either.
    {"press released elsewhere, then pressed and released", "PPR", 1},
    {"a second release does not click again", "PRR", 1},
    {"press on an inactive window only activates it", "APR", 0},
    {"the next press on the window, now active, clicks", "APRPR", 1},
    {"a press released elsewhere does not arm an activating press", "PAPR", 0},
    {"press while the window is not active", "pR", 0},
    {"double click: once for each press", "PRDR", 2},
    {"Space goes up after a key went down", "KS", 1},
    {"Space goes up while the button cannot click", "Ks", 0},
    {"Space goes up without a key down on the button", "S", 0},
    {"another key going up disarms Space", "KOS", 0},
    {"each Space needs its own key down", "KSS", 1},
};

TEST(PushButtonClicks, ClicksOnlyForAPressOrAKeyThatStartedOnTheButton)
{
    for (const ClicksCase& test : Cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(ClicksAfter(test.steps), test.clicks);
    }
}

TEST(PushButtonClicks, ResetForgetsEveryPressUnderWay)
{
    PushButtonClicks clicks;
    clicks.Press(true);
    clicks.KeyDown();
    clicks.Reset();
    EXPECT_FALSE(clicks.Release());
    EXPECT_FALSE(clicks.KeyUp(true, true));
    clicks.Activating(true);
    clicks.Reset();
    clicks.Press(true);
    EXPECT_TRUE(clicks.Release()) << "the activation was forgotten too";
}

} // namespace
} // namespace orvane
