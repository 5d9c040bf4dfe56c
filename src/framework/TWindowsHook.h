#pragma once

#include <windows.h>

namespace orvane::framework {

// A hook of the calling thread (SetWindowsHookEx with the thread's id and no
// module), removed when the owner goes.
class TWindowsHook {
public:
    TWindowsHook() = default;
    TWindowsHook(int hookKind, HOOKPROC procedure)
        : hook(SetWindowsHookExW(hookKind, procedure, nullptr, GetCurrentThreadId()))
    {
    }
    ~TWindowsHook() { Reset(); }
    TWindowsHook(TWindowsHook&& other) noexcept : hook(other.hook) { other.hook = nullptr; }
    TWindowsHook& operator=(TWindowsHook&& other) noexcept
    {
        if (this != &other) {
            Reset();
            hook = other.hook;
            other.hook = nullptr;
        }
        return *this;
    }
    TWindowsHook(const TWindowsHook&) = delete;
    TWindowsHook& operator=(const TWindowsHook&) = delete;

    HHOOK Handle() const { return hook; }
    explicit operator bool() const { return hook != nullptr; }
    void Reset()
    {
        if (hook)
            UnhookWindowsHookEx(hook);
        hook = nullptr;
    }

private:
    HHOOK hook = nullptr;
};

} // namespace orvane::framework
