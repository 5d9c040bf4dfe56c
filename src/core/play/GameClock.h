#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The playing time of one game, in milliseconds of a clock that only moves
// forward (the caller's: the system's tick count in the game, any number in
// tests). It counts only between Run and Pause; a game starts paused.
class GameClock {
public:
    // A game begins: paused, with `elapsed` already played (a resumed game's).
    void Reset(std::int64_t elapsed = 0);
    // Counts from `now` on; nothing when it counts already.
    void Run(std::int64_t now);
    // Stops counting at `now`, keeping what was counted; nothing when paused.
    void Pause(std::int64_t now);
    bool Running() const { return running; }
    // The time played up to `now`.
    std::int64_t Elapsed(std::int64_t now) const;

private:
    std::int64_t counted = 0;
    std::int64_t since = 0;
    bool running = false;
};

// A time of play as the statistics show it: "0:42", "12:05", "1:02:03".
// Negative times show as 0:00.
std::string PlayTimeText(std::int64_t seconds);

} // namespace orvane
