#pragma once

#include <chrono>
#include <functional>

namespace orvane::bench {

// Seconds one call takes: calls it again and again for at least a round of
// `roundSeconds`, so that a fast call is timed over many.
inline double SecondsPerCall(const std::function<void()>& call, double roundSeconds)
{
    using Clock = std::chrono::steady_clock;
    int calls = 0;
    const auto start = Clock::now();
    double elapsed = 0;
    do {
        call();
        ++calls;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < roundSeconds);
    return elapsed / calls;
}

} // namespace orvane::bench
