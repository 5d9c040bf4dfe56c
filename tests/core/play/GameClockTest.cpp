#include "core/play/GameClock.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The clock counts only between Run and Pause, keeps what it counted across
// pauses, and ignores a second Run or Pause.
TEST(GameClock, CountsOnlyWhileRunning)
{
    GameClock clock;
    EXPECT_EQ(clock.Elapsed(1000), 0);
    clock.Run(1000);
    clock.Run(1500); // already running: still counts from 1000
    EXPECT_EQ(clock.Elapsed(3000), 2000);
    clock.Pause(3000);
    clock.Pause(9000);
    EXPECT_EQ(clock.Elapsed(9000), 2000) << "paused: minimized or inactive";
    clock.Run(10000);
    EXPECT_EQ(clock.Elapsed(10500), 2500);
    EXPECT_EQ(clock.Elapsed(9000), 2000) << "a clock that went back adds nothing";

    clock.Reset(60000);
    EXPECT_FALSE(clock.Running());
    EXPECT_EQ(clock.Elapsed(20000), 60000) << "a resumed game starts with its time";
}

TEST(GameClock, TimesShowAsMinutesAndSecondsOrHours)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00"}, {42, "0:42"}, {725, "12:05"}, {3723, "1:02:03"}, {-5, "0:00"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(PlayTimeText(seconds), text) << seconds;
}

} // namespace
} // namespace orvane
