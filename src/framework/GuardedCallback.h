#pragma once

#include <type_traits>
#include <utility>

namespace orvane::framework {

// Where an exception caught at the edge of a callback goes.
enum class TCallbackFailure {
    // To the application, which shows it once its message loop has finished
    // the message that raised it: never inside a paint, a hook or a menu's
    // loop.
    Queue,
    // To the debugger's output only, where a box would be wrong: the failure
    // already has its fallback (a window the skin cannot dress keeps the
    // system's look), or it happens while the program is ending.
    Log,
};

// Reports the exception being handled; call it only inside a catch block.
// Without an application (before it is made, after it has gone) there is no
// loop to show it: it is logged instead. Never throws.
void ReportCaughtException(TCallbackFailure failure = TCallbackFailure::Queue) noexcept;

// Runs the body of a CALLBACK (a window procedure, a hook, a filter, an
// enumeration, a timer): the system calls it from its own frames, which an
// exception must not unwind through. What the body throws is reported as
// `failure` says and the callback answers `fallback`.
//
//     return GuardedCallback(LRESULT(0), [&] { return Handle(message); });
template <class Body>
std::invoke_result_t<Body&> GuardedCallback(std::type_identity_t<std::invoke_result_t<Body&>> fallback, Body&& body,
                                            TCallbackFailure failure = TCallbackFailure::Queue) noexcept
{
    try {
        return body();
    } catch (...) {
        ReportCaughtException(failure);
        return fallback;
    }
}

// The same for a body that gives no answer.
template <class Body>
    requires std::is_void_v<std::invoke_result_t<Body&>>
void GuardedCallback(Body&& body, TCallbackFailure failure = TCallbackFailure::Queue) noexcept
{
    try {
        body();
    } catch (...) {
        ReportCaughtException(failure);
    }
}

} // namespace orvane::framework
