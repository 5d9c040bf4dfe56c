#pragma once

#include <windows.h>

namespace orvane::framework {

// Keeps a window and its children from painting while it lives; when it ends,
// what changed meanwhile is painted once. Only one window of the system can
// be locked at a time.
class TWindowUpdateLock {
public:
    explicit TWindowUpdateLock(HWND window) : locked(LockWindowUpdate(window) != FALSE) {}
    ~TWindowUpdateLock()
    {
        if (locked)
            LockWindowUpdate(nullptr);
    }
    TWindowUpdateLock(const TWindowUpdateLock&) = delete;
    TWindowUpdateLock& operator=(const TWindowUpdateLock&) = delete;

private:
    bool locked;
};

} // namespace orvane::framework
