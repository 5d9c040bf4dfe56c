#include "core/play/GameClock.h"

namespace orvane {

namespace {

constexpr std::int64_t SecondsPerMinute = 60;
constexpr std::int64_t SecondsPerHour = 60 * SecondsPerMinute;

// Appends a number of two digits at least.
void AppendTwoDigits(std::string& text, std::int64_t value)
{
    if (value < 10)
        text += '0';
    text += std::to_string(value);
}

} // namespace

void GameClock::Reset(std::int64_t elapsed)
{
    counted = elapsed < 0 ? 0 : elapsed;
    running = false;
}

void GameClock::Run(std::int64_t now)
{
    if (running)
        return;
    since = now;
    running = true;
}

void GameClock::Pause(std::int64_t now)
{
    if (!running)
        return;
    counted = Elapsed(now);
    running = false;
}

std::int64_t GameClock::Elapsed(std::int64_t now) const
{
    if (!running || now < since)
        return counted;
    return counted + (now - since);
}

std::string PlayTimeText(std::int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    const std::int64_t hours = seconds / SecondsPerHour;
    const std::int64_t minutes = seconds % SecondsPerHour / SecondsPerMinute;
    const std::int64_t rest = seconds % SecondsPerMinute;
    std::string text;
    if (hours > 0) {
        text = std::to_string(hours);
        text += ':';
        AppendTwoDigits(text, minutes);
    } else {
        text = std::to_string(minutes);
    }
    text += ':';
    AppendTwoDigits(text, rest);
    return text;
}

} // namespace orvane
